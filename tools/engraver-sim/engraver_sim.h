// A simulated engraving machine that serves a real pseudo-terminal from a thread of its own.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

namespace tavro::sim {

struct EngraverOptions {
    int productId = 10;
    int firmware = 2;
    int burnTime = 40;
    bool silent = false;   // never answers anything
    bool garbage = false;  // mixes random non-0xFF bytes between the frames it sends
    // Line noise: when not 0, the seed of random bytes (0xFF among them) put between and inside
    // the frames it sends while it carves, so that frames are lost or changed and stray ones
    // appear.
    quint32 noiseSeed = 0;
    // These bytes go out, as they are, after the carve's Nth dot (counted from 1).
    QList<std::pair<int, QByteArray>> strayAfterDots;
    bool asksForImage = true;       // false: takes the erase, never asks for the block
    bool saysState = true;          // answers the identify frame with its job state (FF 09 s 00)
    bool fast = false;              // no time for dots and rows: reports as fast as they are read
    bool paced = false;             // 57600-baud timing: 5760 bytes/s each way
    double unplugAfterSeconds = 0;  // 0 = never; otherwise unplug() by itself after that long
    int eraseMs = 300;              // time between FF 06 00 00 and the image request
    // The carve's timing (all 0 when fast): a burnt dot takes dotUs x the burn time, moving to a
    // row with dots rowMs, passing a row without dots blankRowMs.
    double dotUs = 100;
    double rowMs = 15;
    double blankRowMs = 1;
    QString burnOut;   // if set, the burnt picture is written there as PNG when carving ends
    QString linkPath;  // if set, a symlink here points at the pty slave while plugged in

    // Both run on the machine's thread, without its lock held.
    std::function<void(const QByteArray &frame)> onFrame;  // each frame or control byte received
    std::function<void()> onPowerOff;                      // after FF 0C 00 00 has unplugged it
};

class EngraverPrivate;

class Engraver {
public:
    explicit Engraver(EngraverOptions options = {});
    ~Engraver();  // stops the thread, closes the pty, removes the link
    Engraver(const Engraver &) = delete;
    Engraver &operator=(const Engraver &) = delete;

    bool start(QString *error = nullptr);
    QString devicePath() const;  // linkPath if given, else the slave path (/dev/pts/N)
    void unplug();  // like a pulled cable: the pty closes (its node vanishes), the link goes
    bool plugIn(QString *error = nullptr);  // a new pty behind the same linkPath
    bool isPluggedIn() const;

    // Observations, safe from any thread.
    QByteArray receivedBytes() const;  // every byte received since start, in order
    QList<QByteArray> receivedFrames()
        const;                         // each 4-byte frame and each expected control byte, in order
    QByteArray receivedImage() const;  // the last complete 32768-byte image block (empty if none)
    int imagesReceived() const;
    double lastImageSeconds()
        const;  // from the first byte of that block to its last, as the machine read them
    bool receivingImage()
        const;             // between the image request and the block's last byte (or its abort)
    QImage burnt() const;  // 512x512 RGB32, white with a black pixel for every dot burnt so far
    bool carving() const;  // a job runs (not paused, not finished)
    bool paused() const;
    bool carveDone() const;  // the last job ran to its end
    int burnTime() const;
    QPoint head() const;
    bool reversed(int axis) const;  // 1 = X, 2 = Y
    void clearRecords();            // forgets received bytes and frames (not the image or the burn)
    void clearBurnt();              // a fresh work piece

    // Polls `condition` every few milliseconds; true as soon as it holds, false after timeoutMs.
    bool waitFor(const std::function<bool()> &condition, int timeoutMs) const;

    // White with a black pixel for every 1 bit of a 32768-byte raster (MSB = leftmost pixel).
    static QImage pictureOf(const QByteArray &raster);

private:
    std::unique_ptr<EngraverPrivate> d;
};

}  // namespace tavro::sim
