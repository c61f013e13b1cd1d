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

namespace tavro::shell {

class SettingsWindow final : public QDialog {
    Q_OBJECT
public:
    // The two buttons call these (the link's ReverseMotorX and ReverseMotorY); the window
    // itself keeps no state, since the direction lives in the machine.
    SettingsWindow(std::function<void()> reverseX, std::function<void()> reverseY,
                   QWidget *parent = nullptr);
    ~SettingsWindow() override;

    // Replaced by tests, so that no browser is started.
    std::function<void()> openSite = platform::openMakerSite;

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
    std::function<void()> m_reverseX;
    std::function<void()> m_reverseY;
};

}  // namespace tavro::shell
