// What the link needs of the windows: the one narrow way it reaches them.
#pragma once

#include <QString>

namespace tavro::link {

class LinkView {
public:
    virtual ~LinkView() = default;

    // The message log: text appended unchanged at the end.
    virtual void LogText(const QString &text) = 0;

    virtual void setConnectCaption(const QString &caption) = 0;
    virtual void setConnectEnabled(bool enabled) = 0;
    virtual void showBreakButton() = 0;

    virtual void EnableMachineControls() = 0;
    virtual void DisableMachineControls() = 0;
    virtual void ResetLocationControls() = 0;
    virtual void stopRunClock() = 0;

    // Firmware 1 has no power-off: hide that button and close up the job buttons.
    virtual void applyFirmwareOneLayout() = 0;

    virtual void showPositionX(int x) = 0;
    virtual void showPositionY(int y) = 0;
    // One red point of the laser's trace, in board pixels (may lie off the board).
    virtual void drawTracePoint(int x, int y) = 0;
    // Moves the burn-time slider (clamped to its range) without raising its
    // change event, and shows t itself in the label.
    virtual void showBurnTime(int t) = 0;

    // A box modal for the whole program with an OK button; returns when closed.
    virtual void showMessage(const QString &text, const QString &caption) = 0;

    virtual void showUploadProgress(qint64 written, qint64 total)
    {
        Q_UNUSED(written);
        Q_UNUSED(total);
    }
};

}  // namespace tavro::link
