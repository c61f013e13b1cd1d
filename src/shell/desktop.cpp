#include "shell/desktop.h"

#include "document/job_file.h"
#include "pictures/picture_format.h"
#include "platform/browser.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVariantMap>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {
namespace {

const QString NotificationService = u"org.freedesktop.Notifications"_s;

QString boxText(const QString &text)
{
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    return shown;
}

// Boxes name files, presets and ports: as markup such a name could load any file as a picture.
void setPlainText(QMessageBox &box, const QString &text)
{
    box.setTextFormat(Qt::PlainText);
    box.setText(boxText(text));
}

}  // namespace

int SystemDesktop::messageBox(const QString &text, BoxButtons buttons, const QString &caption)
{
    QMessageBox box;
    box.setWindowTitle(caption);
    setPlainText(box, text);
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons == BoxButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? 0 : 1;
}

int SystemDesktop::choose(const QString &text, const QString &caption, const QStringList &buttons)
{
    QMessageBox box;
    box.setWindowTitle(caption);
    setPlainText(box, text);
    box.setWindowModality(Qt::ApplicationModal);
    QList<QAbstractButton *> added;
    for (const QString &label : buttons) added << box.addButton(label, QMessageBox::ActionRole);
    if (!added.isEmpty()) box.setEscapeButton(added.last());
    box.exec();
    return int(added.indexOf(box.clickedButton()));
}

QString SystemDesktop::askFile(FileQuestion question, const QString &suggested, QWidget *parent)
{
    const QString allFiles = tr("All files (*)");
    const QString jobs = tr("Tavro Laser jobs (*%1)").arg(document::JobFileSuffix);
    QFileDialog dialog(parent);
    dialog.setDirectory(QFileInfo(suggested).isDir() ? suggested : QFileInfo(suggested).path());
    if (!QFileInfo(suggested).isDir()) dialog.selectFile(QFileInfo(suggested).fileName());
    switch (question) {
    case FileQuestion::OpenPicture:
        dialog.setWindowTitle(tr("Open Picture"));
        // The loader knows a picture by its content; the names only narrow the list.
        dialog.setNameFilters(
            {tr("Pictures (%1)").arg(pictures::pictureNamePatterns().join(u' ')), allFiles});
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case FileQuestion::OpenJob:
        dialog.setWindowTitle(tr("Open Job"));
        dialog.setNameFilters({jobs, allFiles});
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case FileQuestion::SaveJob:
        dialog.setWindowTitle(tr("Save Job"));
        dialog.setNameFilters({jobs});
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(document::JobFileSuffix.sliced(1));
        break;
    case FileQuestion::ExportBoard:
        dialog.setWindowTitle(tr("Export Board as PNG"));
        dialog.setNameFilters({tr("PNG pictures (*.png)")});
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(u"png"_s);
        break;
    case FileQuestion::ExportPresets:
        dialog.setWindowTitle(tr("Export Presets"));
        dialog.setNameFilters({tr("Material presets (*.ini)"), allFiles});
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(u"ini"_s);
        break;
    case FileQuestion::ImportPresets:
        dialog.setWindowTitle(tr("Import Presets"));
        dialog.setNameFilters({tr("Material presets (*.ini)"), allFiles});
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void SystemDesktop::showAbout(const QString &title, const QString &text, QWidget *parent)
{
    // QMessageBox::about() with the text as written: it names the port.
    QMessageBox box(QMessageBox::Information, title, {}, QMessageBox::Ok, parent);
    setPlainText(box, text);
    const QIcon icon = box.windowIcon();
    box.setIconPixmap(icon.pixmap(icon.actualSize(QSize(64, 64))));
    box.exec();
}

void SystemDesktop::notify(const QString &title, const QString &text)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && bus.interface() &&
        bus.interface()->isServiceRegistered(NotificationService)) {
        QDBusInterface notifications(NotificationService, u"/org/freedesktop/Notifications"_s,
                                     NotificationService, bus);
        // Asynchronous: a slow notification server must not hold the window up.
        notifications.asyncCall(u"Notify"_s, QGuiApplication::applicationDisplayName(), 0u,
                                QGuiApplication::desktopFileName(), title, text, QStringList(),
                                QVariantMap(), -1);
        return;
    }
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    auto *tray = new QSystemTrayIcon(QGuiApplication::windowIcon(), qApp);
    tray->show();
    tray->showMessage(title, text);
    // The icon is only there to carry the message.
    QTimer::singleShot(std::chrono::seconds(15), tray, &QObject::deleteLater);
}

void SystemDesktop::openMakerSite()
{
    platform::openMakerSite();
}

void SystemDesktop::quit()
{
    QCoreApplication::exit(0);
}

std::optional<QFont> SystemDesktop::chooseFont(const QFont &current)
{
    return ui::DialogFontChooser().chooseFont(current);
}

}  // namespace tavro::shell
