// The serial port as the link uses it: numbered ports, frames, one big background block.
#pragma once

#include <QByteArray>
#include <QObject>

#include <chrono>

namespace tavro::platform {

class SerialLine : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Opens COM`portNumber` with the machine's fixed line settings, closing
    // any port that is open first. False when the port cannot be opened.
    virtual bool open(int portNumber) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The number last opened (kept after close).
    virtual int portNumber() const = 0;
    // One write, handed to the device before returning. False when the port is
    // closed or refused the bytes: nothing went out.
    virtual bool write(const QByteArray &bytes) = 0;
    // One write that drains in the background; blockWritten() (once every
    // block queued so far has left the port, the driver's own queue included
    // where it can be read) or blockFailed() tells how it ended, and
    // blockProgress() follows the bytes that have left.
    // On a closed port the block is dropped and fails at once.
    virtual void writeBlock(const QByteArray &block) = 0;
    // Blocks until everything written so far is handed to the device, or the time is up:
    // for a last frame before the program ends.
    virtual void drain(std::chrono::milliseconds timeout) = 0;
    // Straight to the device, past what waits in the port's buffer, blocking: for a last frame
    // while the process exits and nothing else of Qt runs. False when nothing went out.
    virtual bool writeAtExit(const QByteArray &bytes) = 0;
    // Why the last open, write or block failed, or why the device was lost.
    virtual QString lastError() const = 0;

signals:
    void received(const QByteArray &bytes);
    // Every write handed to an open port, as written.
    void sent(const QByteArray &bytes);
    void blockProgress(qint64 written, qint64 total);
    void blockWritten();
    void blockFailed();
    // The device vanished or broke; the port has been closed. The reason is the port's own.
    void lost(const QString &reason);
};

}  // namespace tavro::platform
