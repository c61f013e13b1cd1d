// The program's end of the cable in tests: a raw open of the simulator's device, reading frames as
// the program does.
#pragma once

#include "engraver-sim/engraver_sim.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tavro::sim::test {

QByteArray frame(int code, int d1 = 0, int d2 = 0);
// A frame with a value split as (v div 100, v mod 100).
QByteArray splitFrame(int code, int value);

class PtyClient {
public:
    explicit PtyClient(const QString &path);
    ~PtyClient();
    PtyClient(const PtyClient &) = delete;
    PtyClient &operator=(const PtyClient &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    bool write(const QByteArray &bytes, int timeoutMs = 20000);
    // Reads until `count` frames are in, or the time is up; returns them and keeps any surplus.
    QList<QByteArray> readFrames(qsizetype count, int timeoutMs = 10000);
    // Reads until a frame equal to `last` has arrived; returns everything up to and including it.
    QList<QByteArray> readFramesUntil(const QByteArray &last, int timeoutMs = 10000);
    // Everything that arrives within the time.
    QList<QByteArray> readFramesFor(int ms);
    // Every byte read so far, noise included.
    QByteArray raw() const { return m_raw; }
    // True once the other side has gone (the pty was closed under us).
    bool hungUp() const { return m_hungUp; }
    bool waitForHangUp(int timeoutMs);

private:
    // Reads what is there within `ms`; false when nothing more can come.
    bool pump(int ms);
    void assemble(char byte);

    int m_fd = -1;
    bool m_hungUp = false;
    QByteArray m_raw;
    QByteArray m_partial;
    QList<QByteArray> m_frames;
};

// FF 06 00 00, the machine's request, then the block; true once the machine holds it.
bool upload(PtyClient &client, Engraver &engraver, const QByteArray &raster);

}  // namespace tavro::sim::test
