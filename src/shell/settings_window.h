// The small modal window that reverses the motors and shows the version and the maker's site.
#pragma once

#include "platform/browser.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace Ui {
class SettingsWindow;
}

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::shell {

class Desktop;

class SettingsWindow final : public QDialog {
    Q_OBJECT
public:
    // The two buttons reverse the machine's motors through the session; the window itself
    // keeps no state, since the direction lives in the machine.
    SettingsWindow(session::Session &session, Desktop &desktop, QWidget *parent = nullptr);
    ~SettingsWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyFonts();
    void makeConnections();

    std::unique_ptr<Ui::SettingsWindow> m_ui;
    QPushButton *m_reverseXButton = nullptr;
    QPushButton *m_reverseYButton = nullptr;
    QLabel *m_versionLabel = nullptr;
    QLabel *m_visitLabel = nullptr;
    QLabel *m_siteLabel = nullptr;
    session::Session &m_session;
    Desktop &m_desktop;
};

}  // namespace tavro::shell
