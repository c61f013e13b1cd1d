// One thing the operator can ask of the session, with whether it can be done now and why not;
// the button and the menu entry both show and trigger the same command.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <functional>

namespace tavro::session {

class Command final : public QObject {
    Q_OBJECT
public:
    Command(QKeySequence shortcut, std::function<void()> run, QObject *parent = nullptr);

    bool isEnabled() const { return m_enabled; }
    bool isVisible() const { return m_visible; }
    // Why it cannot be done now; empty while it can.
    const QString &whyNot() const { return m_whyNot; }
    const QKeySequence &shortcut() const { return m_shortcut; }

    // Does nothing while the command is not enabled.
    void trigger();

    void setAvailability(bool enabled, const QString &whyNot);
    void setVisible(bool visible);

signals:
    void changed();

private:
    QKeySequence m_shortcut;
    std::function<void()> m_run;
    bool m_enabled = true;
    bool m_visible = true;
    QString m_whyNot;
};

}  // namespace tavro::session
