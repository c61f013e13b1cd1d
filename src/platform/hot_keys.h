// The arrow keys as hot keys: grabbed system-wide under X11, application shortcuts elsewhere.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>

class QShortcut;
class QWidget;

namespace tavro::platform {

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

    QPointer<QWidget> m_owner;
    std::unique_ptr<X11KeyGrab> m_grab;
    QHash<int, Registration> m_registrations;
    int m_nextId = FirstId;
};

}  // namespace tavro::platform
