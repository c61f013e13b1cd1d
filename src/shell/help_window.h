// The built-in guide: eight questions, their answer pictures, and the driver installer.
#pragma once

#include "shell/desktop.h"

#include <QByteArray>
#include <QDialog>
#include <QEventLoop>
#include <QProcess>

#include <functional>
#include <memory>

namespace Ui {
class HelpWindow;
}
class QGroupBox;
class QLabel;

namespace tavro::shell {

// A left-button release over the settings button opens this window only with Ctrl
// alone held (key state 1): Shift or Alt as well means something else.
bool opensHelp(Qt::KeyboardModifiers modifiers);

class HelpWindow final : public QDialog {
    Q_OBJECT
public:
    static constexpr int QuestionCount = 8;

    // The desktop shows its boxes.
    explicit HelpWindow(Desktop &desktop, QWidget *parent = nullptr);
    ~HelpWindow() override;

    // The pictures as complete image files, exactly as stored.
    static QByteArray helpStartPicture();
    static QByteArray answerPicture(int question);  // 1..8; empty otherwise
    // $TAVRO_SERIAL_ACCESS, else the installed helper found from the program's own folder.
    static QString driverInstallerPath();

    void showAnswerPicture(int question);
    // Only while answer 1 is shown: explains, then runs the installer and waits for its end
    // with the window disabled but alive.
    void installDriverFromHelp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void applyFonts();
    void makeConnections();
    void setPicture(const QByteArray &data);
    QList<QLabel *> questionLabels() const;
    // False when the installer could not be started at all.
    bool runInstaller(const QString &path);

    std::unique_ptr<Ui::HelpWindow> m_ui;
    Desktop &m_desktop;
    QGroupBox *m_questionList = nullptr;
    QLabel *m_pictureBox = nullptr;
    QList<QLabel *> m_questions;
    QByteArray m_pictureData;
    QProcess m_installer;
    QEventLoop m_installerWait;
    bool m_installerFailedToStart = false;
    bool m_installing = false;
};

}  // namespace tavro::shell
