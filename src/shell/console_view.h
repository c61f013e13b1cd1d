// Until the main window exists, the link reports to the terminal.
#pragma once

#include "link/link_view.h"

#include <QTextStream>

namespace tavro::shell {

class ConsoleView final : public link::LinkView {
public:
    ConsoleView();

    void LogText(const QString &text) override;
    void setConnectCaption(const QString &caption) override;
    void setConnectEnabled(bool) override {}
    void showBreakButton() override {}
    void EnableMachineControls() override {}
    void DisableMachineControls() override {}
    void ResetLocationControls() override {}
    void stopRunClock() override {}
    void applyFirmwareOneLayout() override;
    void showPositionX(int) override {}
    void showPositionY(int) override {}
    void drawTracePoint(int, int) override {}
    void showBurnTime(int t) override;
    void showMessage(const QString &text, const QString &caption) override;

private:
    QTextStream m_out;
};

}  // namespace tavro::shell
