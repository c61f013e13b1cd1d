// The arrow keys as hot keys while a window of the program is active: grabbed from the X server
// under X11, so no widget takes them, and application shortcuts elsewhere.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>

class QShortcut;
class QWidget;

namespace tavro::hotkeys {

class X11KeyGrab;

class HotKeys : public QObject {
    Q_OBJECT
public:
    enum class Mode { GlobalGrab, ApplicationShortcut };

    static constexpr int FirstId = 33001;

    // owner hosts the shortcuts when there is no global grab; it does not own this object.
    explicit HotKeys(QWidget *owner);
    ~HotKeys() override;

    Mode mode() const { return m_grab ? Mode::GlobalGrab : Mode::ApplicationShortcut; }

    // virtualKey is a Windows code: 37 Left, 38 Up, 39 Right, 40 Down, without modifiers.
    // Returns the new id, or 0 for any other key or one that is held already, here or elsewhere.
    // Under X11 the key is grabbed only while the application is active; another program that
    // takes it meanwhile keeps it, and the id stays silent until the key is free again.
    int registerKey(int virtualKey);
    bool unregisterKey(int id);

signals:
    void pressed(int id);

private:
    struct Registration {
        int virtualKey = 0;
        int keycode = 0;
        QPointer<QShortcut> shortcut;
    };

    QShortcut *makeShortcut(int qtKey, int id);
    void release(const Registration &registration);
    void onGrabbedKeyPressed(int keycode);
    void followApplicationState(Qt::ApplicationState state);

    QPointer<QWidget> m_owner;
    std::unique_ptr<X11KeyGrab> m_grab;
    QHash<int, Registration> m_registrations;
    int m_nextId = FirstId;
    // Whether the grabs are held: a window of the program is active.
    bool m_active = false;
};

}  // namespace tavro::hotkeys
