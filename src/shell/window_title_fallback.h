// Gives windows without a title of their own the program's name on the desktop.
#pragma once

#include <QObject>
#include <QString>

namespace tavro::shell {

// Installed on the application. The windows keep their empty title; only the title the
// window manager shows reads as the program's name instead of the executable's.
class WindowTitleFallback final : public QObject {
    Q_OBJECT
public:
    static inline const QString ProgramName = QStringLiteral("Tavro Laser");

    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

}  // namespace tavro::shell
