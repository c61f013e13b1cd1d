// Tells the desktop a job is done: a freedesktop notification, else a tray message, else nothing.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace tavro::shell {

class DesktopNotifier final : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifier(QObject *parent = nullptr);

    // Never blocks and never fails: without a notification server or a tray, it says nothing.
    void notify(const QString &title, const QString &text);

    // Replaced by tests, which see what would be shown.
    std::function<void(const QString &title, const QString &text)> show;

private:
    void showOnDesktop(const QString &title, const QString &text);
};

}  // namespace tavro::shell
