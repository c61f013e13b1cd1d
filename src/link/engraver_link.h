// The engraver link: owns the port and its timers, sends commands, and says what the machine did.
#pragma once

#include "link/frame_assembler.h"
#include "link/frames.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/serial_line.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>

#include <deque>
#include <functional>
#include <memory>

namespace tavro::link {

// The system's list of present ports, as "COM1ACOM7A"; ok is false with a
// status code when the list could not be read.
struct PortList {
    bool ok = true;
    int status = 0;
    QString names;
};
using PortLister = std::function<PortList()>;

enum class LinkState { NotConnected, Probing, WaitingToRetry, Identified };

class EngraverLink final : public QObject {
    Q_OBJECT
public:
    static constexpr int LastPortNumber = 64;
    static constexpr std::chrono::milliseconds ProbeInterval{1000};
    static constexpr std::chrono::milliseconds RetryInterval{2000};
    static constexpr std::chrono::milliseconds PresenceInterval{1000};
    static constexpr std::chrono::milliseconds JogPause{50};
    static constexpr std::chrono::milliseconds UploadDelay{5};
    static constexpr std::chrono::milliseconds PowerOffDrain{1000};

    // The prompter shows the boxes the machine's answers call for.
    EngraverLink(platform::SerialLine &port, platform::Clock &clock, platform::Prompter &prompter,
                 PortLister lister, QObject *parent = nullptr);
    ~EngraverLink() override;

    int ExpectedProductId = 10;
    int KnownFirmwareVersion = 2;

    // Every command goes through these two. False when nothing went out; a
    // failed write on a live link breaks it as a pulled cable does.
    bool sendFrame(int opcode, int first, int second);
    bool sendByte(int value);

    // One function per row of the command table, each with its log text. Those that
    // steer a job say whether the command went out.
    bool startCarving();
    bool pauseCarving();
    bool recarveJob();
    void locateToCentre(bool announce);
    void locateToBox();
    void jogUp();
    void jogDown();
    void jogLeft();
    void jogRight();
    bool restartJob();
    bool setBurnTime(int position);
    bool requestNewImage();
    bool skipRowsBackward();
    bool skipRowsForward();
    void reverseMotorX();
    void reverseMotorY();
    void identify();
    void gotoPoint(int x, int y);
    // False when the frame could not go out: the machine is still on.
    bool powerOff();

    // Receiving: one byte at a time, in arrival order.
    void handleReceivedByte(std::uint8_t byte);
    // Bytes as the port delivers them; taken one by one, and never inside
    // the handling of another frame (a message box may be open there).
    void takeBytes(const QByteArray &bytes);

    // Connection.
    void startConnect();
    void scanPorts();
    void onProbeTimeout();
    void onRetryTick();
    void checkPortPresent();
    void disconnectMachine();
    // The port broke under the link (a quick replug, a failed write): treated
    // exactly as a pulled cable while the machine is identified.
    void onPortLost();

    // The image block sent on every image request; empty until prepared.
    void setUploadRaster(QByteArray raster) { m_uploadRaster = std::move(raster); }
    const QByteArray &uploadRaster() const { return m_uploadRaster; }

    LinkState state() const;
    int portNumber() const { return m_portNumber; }
    int connectedPort() const { return m_connectedPort; }
    int reportedX() const { return m_reportedX; }
    int reportedY() const { return m_reportedY; }
    const FrameAssembler &receiver() const { return m_rx; }
    const platform::IntervalTimer &probeTimer() const { return *m_probeTimer; }
    const platform::IntervalTimer &retryTimer() const { return *m_retryTimer; }
    const platform::IntervalTimer &presenceTimer() const { return *m_presenceTimer; }
    std::size_t pendingBytes() const { return m_pending.size(); }
    const platform::IntervalTimer &uploadTimer() const { return *m_uploadTimer; }

    // The message log of the session: every part of the program writes to it through these.
    void logText(const QString &text) { emit textLogged(text); }
    void logLine(const QString &text);

signals:
    // Text for the message log, appended unchanged.
    void textLogged(const QString &text);
    // A scan from COM1 began (start-up, the connect button, a retry, a break).
    void scanStarted();
    // A scan reached COM64 without finding the machine; it retries on its own.
    void scanExhausted();
    // The machine answered with the right product id on this port.
    void identified(int port);
    // A device answered with another product id; the scan ends there.
    void wrongProduct(int productId);
    // The operator broke the link.
    void disconnected();
    // The identified machine's port vanished or failed; a new scan follows.
    void broken();
    void firmwareReported(int version);
    void positionX(int x);
    void positionY(int y);
    // One point of the laser's trace, in board pixels (may lie off the board).
    void tracePoint(int x, int y);
    void carveDone();
    // The burn time now set on the machine, possibly beyond the slider's range.
    void burnTimeReported(int burnTime);
    void imageRequested();
    void uploadProgress(qint64 written, qint64 total);
    // The image block has left for the machine, or could not.
    void uploadFinished(bool written);

private:
    void jog(JogDirection direction, const QString &name);
    // Logs a command's text when it went out, and that it failed otherwise; returns `sent`.
    bool logSent(bool sent, const QString &text);
    bool sendChecked(const QByteArray &bytes);
    void breakConnection();
    // A box of the frame handlers, at most one of a kind, and none for frames that
    // arrived while a box of that kind was open.
    void showFrameBox(const QString &text, const QString &caption);
    void sendUploadBlock();
    void reverseMotor(int axis, const QString &name);
    void handleFrame(int code, int d1, int d2);
    void onIdentity(int productId);
    void onFirmware(int version);
    void onPositionX(int x);
    void onImageRequest();
    void onCarveDone();
    void onMotorStatus(int status);
    void onUploadEnded(bool written);

    platform::SerialLine &m_port;
    platform::Clock &m_clock;
    platform::Prompter &m_prompter;
    PortLister m_lister;

    std::unique_ptr<platform::IntervalTimer> m_probeTimer;
    std::unique_ptr<platform::IntervalTimer> m_retryTimer;
    std::unique_ptr<platform::IntervalTimer> m_presenceTimer;
    std::unique_ptr<platform::IntervalTimer> m_uploadTimer;

    FrameAssembler m_rx;
    std::deque<std::uint8_t> m_pending;
    bool m_draining = false;
    bool m_presenceBoxOpen = false;
    bool m_userDisconnected = false;
    // Bytes counted as they are queued and as they are taken, to tell which
    // frames arrived while a box was open.
    std::uint64_t m_bytesQueued = 0;
    std::uint64_t m_bytesTaken = 0;
    QHash<QString, std::uint64_t> m_boxQuietUntil;
    QSet<QString> m_openBoxes;

    int m_portNumber = 1;
    int m_connectedPort = 0;
    int m_reportedX = 0;
    int m_reportedY = 0;

    QByteArray m_uploadRaster;
    bool m_uploadInFlight = false;
    // A request that came while a block was draining, answered once it has.
    bool m_uploadRequested = false;
    bool m_dropLogged = false;
};

}  // namespace tavro::link
