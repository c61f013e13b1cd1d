// Names from outside (pictures, jobs, presets, ports, the programs holding a port) are shown as
// written wherever they appear: never read as markup, so no picture is loaded and no link is live.
#include "engraver-sim/engraver_sim.h"
#include "menu_fixture.h"
#include "outcome_assert.h"
#include "shell/connection_check.h"
#include "shell/connection_check_window.h"
#include "shell/desktop.h"
#include "shell/material_menu.h"
#include "ui/elided_label.h"
#include "ui/preset_dialog.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

#include <sys/inotify.h>
#include <unistd.h>

#include <functional>
#include <optional>

using namespace tavro;
using namespace tavro::test;

namespace {

constexpr int Patience = 20000;  // ms; generous for a loaded machine

// As markup, a picture from the current folder; at most 15 characters, as a process's name.
const QString Markup = u"<img src=p.png>"_s;
const QString Name = u"R&D "_s + Markup;

// The files opened in a folder, as the kernel tells them.
class OpenedFiles {
public:
    explicit OpenedFiles(const QString &folder) : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_OPEN);
    }
    ~OpenedFiles() { ::close(m_fd); }
    OpenedFiles(const OpenedFiles &) = delete;
    OpenedFiles &operator=(const OpenedFiles &) = delete;

    // The names opened since the last call.
    QStringList take()
    {
        QStringList names;
        alignas(inotify_event) char buffer[4096];
        ssize_t size = 0;
        while ((size = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < size;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                if (event->len > 0) names << QFile::decodeName(event->name);
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return names;
    }

private:
    int m_fd;
};

// What a text of automatic format shows: its markup's text when Qt takes it for markup.
QString shownAuto(const QString &text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

QString shown(const QLabel &label)
{
    switch (label.textFormat()) {
    case Qt::PlainText:
        return label.text();
    case Qt::AutoText:
        return shownAuto(label.text());
    default:
        return QTextDocumentFragment::fromHtml(label.text()).toPlainText();
    }
}

// A menu entry's text without the '&' before its Alt letter; "&&" is a written '&'.
QString shownEntry(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && ++i == text.size()) break;
        out += text[i];
    }
    return out;
}

// Every label of a window, drawn as the screen would draw it.
QStringList shownLabels(QWidget &window)
{
    window.grab();
    QStringList texts;
    for (const QLabel *label : window.findChildren<QLabel *>()) texts << shown(*label);
    return texts;
}

// The labels of the box `open` shows, which is then closed.
QStringList boxLabels(const std::function<void()> &open)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(window);
            if (!box || !box->isVisible()) continue;
            texts = shownLabels(*box);
            box->close();
        }
    });
    open();
    return texts;
}

class OutsideNamesTest : public MenuTest {
protected:
    QString startFolder = QDir::currentPath();
    std::optional<OpenedFiles> opened;
    std::unique_ptr<sim::Engraver> machine;
    QProcess holder;

    void SetUp() override
    {
        QFile picture(home.filePath(u"p.png"_s));
        ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
        // Markup's pictures come from the current folder.
        ASSERT_TRUE(QDir::setCurrent(home.path()));
        opened.emplace(home.path());
        table = platform::PortTable({home.filePath(Name)});
        MenuTest::SetUp();
    }
    void TearDown() override
    {
        holder.closeWriteChannel();
        holder.waitForFinished(Patience);
        QDir::setCurrent(startFolder);
    }

    // COM1, named as markup, held by a program named as markup.
    QStringList checkWindow()
    {
        sim::EngraverOptions options;
        options.linkPath = home.filePath(Name);
        machine = std::make_unique<sim::Engraver>(options);
        EXPECT_TRUE(machine->start());
        holder.start(QStringLiteral(PORT_HOLDER_PATH), {Markup, machine->devicePath()});
        EXPECT_TRUE(holder.waitForReadyRead(Patience));
        program->connectionCheck().showWindow(&mainWindow());
        auto *window = mainWindow().findChild<shell::ConnectionCheckWindow *>();
        if (!window) return {};
        EXPECT_TRUE(QTest::qWaitFor([window] { return !window->headline().isEmpty(); }, Patience));
        QStringList texts = shownLabels(*window);
        window->close();
        return texts;
    }
    QStringList presetDialog()
    {
        materials::MaterialPreset preset;
        preset.name = Name;
        EXPECT_TRUE(isDone(session().savePreset(preset)));
        ui::PresetDialog dialog(session(), preset, &mainWindow());
        dialog.show();
        return shownLabels(dialog);
    }
    QStringList materialMenu()
    {
        QStringList texts;
        for (const QAction *entry : unitIn<QMenu>(mainWindow(), u"materialMenu"_s).actions())
            texts << shownEntry(entry->text());
        return texts;
    }
    const QAction &recentEntry()
    {
        mainWindow().menu().showRecent({home.filePath(Name)});
        return *mainWindow().menu().recentMenu().actions().value(0);
    }
    // Cut short, with the whole text as its tooltip.
    static QString statusBarToolTip()
    {
        ui::ElidedLabel label;
        label.setFullText(u"Opened "_s + Name + QString(200, u'.'));
        label.resize(80, 20);
        label.show();
        return shownAuto(label.toolTip());
    }
};

TEST_F(OutsideNamesTest, AreShownAsWrittenAndLoadNothing)
{
    struct Place {
        const char *where;
        QStringList names;  // each shown whole in one of the texts
        std::function<QStringList()> texts;
    };
    shell::SystemDesktop system;
    const QList<Place> places{
        {"message box",
         {Name},
         [&] { return boxLabels([&] { system.messageBox(Name, shell::BoxButtons::Ok, {}); }); }},
        {"choice box",
         {Name},
         [&] { return boxLabels([&] { system.choose(Name, {}, {u"OK"_s}); }); }},
        {"about box",
         {Name},
         [&] { return boxLabels([&] { system.showAbout({}, Name, &mainWindow()); }); }},
        {"connection check", {Name, u"Held by "_s + Markup}, [this] { return checkWindow(); }},
        {"preset dialog", {Name}, [this] { return presetDialog(); }},
        {"material menu", {Name}, [this] { return materialMenu(); }},
        {"recent file", {Name}, [this] { return QStringList{shownEntry(recentEntry().text())}; }},
        {"recent file's tooltip",
         {Name},
         [this] { return QStringList{shownAuto(recentEntry().toolTip())}; }},
        {"status bar's tooltip", {Name}, [] { return QStringList{statusBarToolTip()}; }},
    };
    for (const Place &place : places) {
        SCOPED_TRACE(place.where);
        const QStringList texts = place.texts();
        for (const QString &name : place.names)
            EXPECT_TRUE(std::ranges::any_of(texts, [&name](const QString &text) {
                return text.contains(name);
            })) << texts.join(u" | "_s).toStdString();
        EXPECT_FALSE(opened->take().contains(u"p.png"_s));
    }
}

}  // namespace
