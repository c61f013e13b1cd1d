// What the job controls need of the main window.
#pragma once

#include <QString>

namespace tavro::job {

class JobView {
public:
    virtual ~JobView() = default;

    virtual void setRunTimeText(const QString &text) = 0;
    virtual void setBurnTimeText(const QString &text) = 0;
    virtual void setPositionFields(const QString &x, const QString &y) = 0;

    virtual void EnableMachineControls() = 0;
    virtual void DisableMachineControls() = 0;
    virtual void ResetLocationControls() = 0;
    virtual void LockLocationControls() = 0;

    // A box modal for the whole program with OK and Cancel: 0 for OK, 1 for Cancel.
    virtual int askOkCancel(const QString &text, const QString &caption) = 0;
    // Ends the program at once (after Power OFF).
    virtual void endProgram() = 0;
};

}  // namespace tavro::job
