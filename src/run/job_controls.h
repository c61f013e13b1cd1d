// Start, pause, restart, recarve, skip rows, burn time, power off, and the run clock.
#pragma once

#include "document/burn_time.h"
#include "link/engraver_link.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "run/machine_controls.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <optional>

namespace tavro::run {

class JobControls final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds RunClockInterval{1000};
    static constexpr std::chrono::milliseconds BurnTimeSettle{300};
    // A held key comes up and goes down again at once; only a key that stays up is let go.
    static constexpr std::chrono::milliseconds KeysLetGoGrace{30};
    static constexpr int SkipRows = 15;

    JobControls(link::EngraverLink &link, link::MessageLog &log, platform::Clock &clock,
                MachineControls &controls, platform::Prompter &prompter, QObject *parent = nullptr);

    void start();
    void pause();
    void recarve();
    void restart();
    void fastBackward();
    void fastForward();
    // Asks first; ends the program only when the frame went out.
    void powerOff();
    // The send button: the packed board as the next block, then the machine's image erased.
    // False when the erase could not go out.
    bool prepareUpload(const QByteArray &raster);
    // What a dropped picture does to the job: paused, the clock reset, only the
    // picture controls left.
    void pictureDropped();
    // Clear gives every control back and the position fields their zeros.
    void boardCleared();
    // The machine finished carving (as the job model judged its word): logged, and the run
    // clock and the location controls follow.
    void carveEnded();

    // Left button released over the slider: the burn time is sent at once.
    void burnTimeReleased(int position);
    // A change made with the keys or the wheel is sent too, once: shortly after the keys
    // are let go, or when no further change came for a while.
    void burnTimeKeyed(int position);
    void burnTimeKeysLetGo();

    void tickRunClock();
    void stopRunClock() { m_runClock->stop(); }
    // RunSeconds to 0 and the label to "00:00".
    void resetRunTime();

    int runSeconds() const { return m_runSeconds; }
    MachineControls &controls() { return m_controls; }

    static QString runTimeText(int seconds);

signals:
    void runTimeChanged(const QString &text);
    void positionFieldsReset();
    // Power OFF reached the machine: the program ends now.
    void endRequested();

    // What the machine was told, once the command went out: for those that follow the
    // job (the job model) rather than the buttons.
    void startSent();
    void pauseSent();
    void recarveSent();
    void restartSent();
    // Fast Forward (+15) or Fast Backward (-15).
    void skipSent(int rows);
    void burnTimeSent(int burnTime);
    // The machine erases its image; the block it asks for next replaces it.
    void newImageSent();

private:
    void makeConnections();
    void sendBurnTime(int position);
    void sendKeyedBurnTime();

    link::EngraverLink &m_link;
    link::MessageLog &m_log;
    MachineControls &m_controls;
    platform::Prompter &m_prompter;
    std::unique_ptr<platform::IntervalTimer> m_runClock;
    int m_runSeconds = 0;
    std::unique_ptr<platform::IntervalTimer> m_burnTimeSettle;
    std::optional<int> m_keyedBurnTime;
};

}  // namespace tavro::run
