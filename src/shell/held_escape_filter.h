// Keeps a held Escape key from closing the windows and boxes that open after it.
#pragma once

#include <QObject>

namespace tavro::shell {

// Installed on the application: presses that only repeat a held Escape are dropped, so
// a window closes or a box cancels only on a fresh press.
class HeldEscapeFilter final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    quint64 m_lastReleaseTime = 0;
};

}  // namespace tavro::shell
