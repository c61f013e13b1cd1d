#include "shell/desktop_notifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QGuiApplication>
#include <QIcon>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVariantMap>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {
namespace {

const QString Service = u"org.freedesktop.Notifications"_s;

}  // namespace

DesktopNotifier::DesktopNotifier(QObject *parent) : QObject(parent)
{
    show = [this](const QString &title, const QString &text) { showOnDesktop(title, text); };
}

void DesktopNotifier::notify(const QString &title, const QString &text)
{
    if (show) show(title, text);
}

void DesktopNotifier::showOnDesktop(const QString &title, const QString &text)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(Service)) {
        QDBusInterface notifications(Service, u"/org/freedesktop/Notifications"_s, Service, bus);
        // Asynchronous: a slow notification server must not hold the window up.
        notifications.asyncCall(u"Notify"_s, QGuiApplication::applicationDisplayName(), 0u,
                                QGuiApplication::desktopFileName(), title, text, QStringList(),
                                QVariantMap(), -1);
        return;
    }
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    auto *tray = new QSystemTrayIcon(QGuiApplication::windowIcon(), this);
    tray->show();
    tray->showMessage(title, text);
    // The icon is only there to carry the message.
    QTimer::singleShot(std::chrono::seconds(15), tray, &QObject::deleteLater);
}

}  // namespace tavro::shell
