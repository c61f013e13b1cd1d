// The engraver's firmware: answers frames, takes in the image, carves it on its own clock.
#pragma once

#include "engraver-sim/carver.h"
#include "engraver-sim/engraver_sim.h"
#include "engraver-sim/frame_reader.h"

#include <QImage>
#include <QPoint>
#include <QRandomGenerator>

#include <chrono>
#include <optional>

namespace tavro::sim {

class Machine {
public:
    using Clock = std::chrono::steady_clock;

    explicit Machine(const EngraverOptions &options);

    void receive(const QByteArray &bytes, Clock::time_point now);
    // Does what is due by `now`; carving stops once `room` bytes of output wait to be sent.
    void advance(Clock::time_point now, qsizetype room);
    // When advance() next has work, unless only new input or free room can bring it.
    std::optional<Clock::time_point> deadline(bool haveRoom) const;
    QByteArray takeOutput();
    bool takePowerOff();
    // The cable went or came: whatever was half received is lost.
    void cableChanged();

    const QByteArray &receivedBytes() const { return m_receivedBytes; }
    const QList<QByteArray> &receivedFrames() const { return m_frames; }
    const QByteArray &lastImage() const { return m_lastImage; }
    int imagesReceived() const { return m_imagesReceived; }
    double lastImageSeconds() const { return m_lastImageSeconds; }
    bool receivingImage() const { return m_reader.receivingImage(); }
    const QImage &burnt() const { return m_burnt; }
    bool carving() const { return m_job == Job::Running; }
    bool paused() const { return m_job == Job::Paused; }
    bool carveDone() const { return m_job == Job::Done; }
    int burnTime() const { return m_burnTime; }
    QPoint head() const { return m_head; }
    bool reversed(int axis) const;
    void clearRecords();
    void clearBurnt();

private:
    // Also what the identify answer says (FF 09 s 00): 0 idle, 1 carving, 2 paused, 3 done.
    enum class Job { Idle, Running, Paused, Done };

    void handleFrame(const QByteArray &frame, Clock::time_point now);
    void identify();
    void job(int action, Clock::time_point now);
    void locate(int mode);
    void jog(int direction);
    void skipRows(int rows);
    void startErase(Clock::time_point now);
    void powerOff();
    void carve(Clock::time_point now, qsizetype room);
    void queueStep(Clock::time_point now);
    void rewindCarver();
    Clock::duration scaled(double ms) const;
    void finishCarve();
    void report(QPoint point);
    void send(int code, int d1, int d2);
    void sendSplit(int code, int value);

    EngraverOptions m_options;
    FrameReader m_reader{Carver::ImageBytes};
    Carver m_carver;
    QByteArray m_output;
    QByteArray m_receivedBytes;
    QList<QByteArray> m_frames;
    QByteArray m_lastImage;
    int m_imagesReceived = 0;
    double m_lastImageSeconds = 0;
    Clock::time_point m_imageStart{};
    QImage m_burnt;
    Job m_job = Job::Idle;
    int m_burnTime = 0;
    QPoint m_head;
    bool m_reversed[2] = {false, false};
    std::optional<Clock::time_point> m_eraseDone;
    Clock::time_point m_imageActivity{};
    Clock::time_point m_nextDot{};
    // The next dot (or the end when it holds no dot), fetched with the travel to it.
    bool m_stepQueued = false;
    std::optional<Carver::Dot> m_queuedDot;
    int m_carvedRow = 0;  // the row of the last dot burnt
    Clock::duration m_pausedWait{};
    bool m_powerOff = false;
    QRandomGenerator m_random;
    QRandomGenerator m_noise;
    int m_dotsCarved = 0;  // since the carve began from the top
};

}  // namespace tavro::sim
