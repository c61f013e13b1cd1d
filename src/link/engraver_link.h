// The engraver link: owns the port and its timers, sends commands, and says what the machine did.
#pragma once

#include "link/message_log.h"
#include "platform/clock.h"
#include "platform/port_lister.h"
#include "platform/prompter.h"
#include "platform/serial_line.h"
#include "protocol/frame_assembler.h"
#include "protocol/frames.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>

#include <deque>
#include <memory>
#include <optional>

namespace tavro::link {

enum class LinkState { NotConnected, Probing, WaitingToRetry, Identified };

// What the program expects of the machine it looks for.
struct LinkOptions {
    int expectedProductId = protocol::MachineProductId;
    int knownFirmwareVersion = protocol::KnownFirmwareVersion;
};

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
    // A burn time report this soon after one was sent may be the machine's old one.
    static constexpr std::chrono::milliseconds BurnTimeReportQuiet{500};
    // The frames that answer an identification come within this after the identity.
    static constexpr std::chrono::milliseconds IdentifyAnswerWindow{2000};
    // A machine told to erase asks for the picture within this, or it is not sent.
    static constexpr std::chrono::milliseconds ImageRequestWait{5000};

    // The prompter shows the boxes the machine's answers call for; the link writes its own
    // lines to the log.
    EngraverLink(platform::SerialLine &port, platform::Clock &clock, platform::Prompter &prompter,
                 const platform::PortLister &ports, MessageLog &log, LinkOptions options = {},
                 QObject *parent = nullptr);
    ~EngraverLink() override;

    const LinkOptions &options() const { return m_options; }

    // Every command goes through these two. False when nothing went out; a
    // failed write on a live link breaks it as a pulled cable does.
    bool sendFrame(int opcode, int first, int second);
    bool sendByte(int value);

    // One function per row of the command table, each with its log text. Those that
    // steer a job say whether the command went out.
    bool startCarving();
    bool pauseCarving();
    // The pause frame straight to the port, while the process exits: nothing logged.
    bool pauseAtExit();
    bool recarveJob();
    void locateToCentre(bool announce);
    void locateToBox();
    void jogUp();
    void jogDown();
    void jogLeft();
    void jogRight();
    bool restartJob();
    bool setBurnTime(int position);
    // Erases the machine's image; `block` is what the machine gets when it asks next.
    bool requestNewImage(const QByteArray &block);
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
    void onPortLost(const QString &reason);

    LinkState state() const;
    int portNumber() const { return m_portNumber; }
    int connectedPort() const { return m_connectedPort; }
    int reportedY() const { return m_reportedY; }
    const protocol::FrameAssembler &receiver() const { return m_rx; }
    const platform::IntervalTimer &probeTimer() const { return *m_probeTimer; }
    const platform::IntervalTimer &retryTimer() const { return *m_retryTimer; }
    const platform::IntervalTimer &presenceTimer() const { return *m_presenceTimer; }
    // The erase went out and the machine has not yet had the block it will ask for.
    bool uploadPending() const { return m_uploadPending || m_uploadInFlight; }
    std::size_t pendingBytes() const { return m_pending.size(); }
    // Why the link last broke or a write failed; empty when it never did.
    const QString &lastError() const { return m_lastError; }

signals:
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
    // The identified machine's port vanished or failed, for this reason; a new scan follows.
    void broken(const QString &reason);
    void firmwareReported(int version);
    void positionX(int x);
    void positionY(int y);
    // One point of the laser's trace, in board pixels (may lie off the board).
    void tracePoint(int x, int y);
    // The machine says its carve is done. Only the job model knows whether it can be: noise on
    // the line makes such frames too.
    void carveDoneReported();
    // With its identification, the machine said how its job stands.
    void machineStateReported(tavro::protocol::MachineState state);
    // The machine took the erase but never asked for the picture: nothing was sent.
    void imageNotRequested();
    // The burn time now set on the machine, possibly beyond the slider's range.
    void burnTimeReported(int burnTime);
    void uploadProgress(qint64 written, qint64 total);
    // The image block has left for the machine, or could not.
    void uploadFinished(bool written);

private:
    void jog(protocol::JogDirection direction, const QString &name);
    // Logs a command's text when it went out, and that it failed otherwise; returns `sent`.
    bool logSent(bool sent, const QString &text);
    bool sendChecked(const QByteArray &bytes);
    void breakConnection(const QString &reason);
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
    void onImageRequestOverdue();
    // Right after the identity: firmware and state frames are part of the answer only then.
    bool answeringIdentify() const;
    void onBurnTimeReport(int burnTime);
    void onMotorStatus(int status);
    void onUploadEnded(bool written);

    platform::SerialLine &m_port;
    platform::Clock &m_clock;
    platform::Prompter &m_prompter;
    const platform::PortLister &m_ports;
    MessageLog &m_log;
    const LinkOptions m_options;

    std::unique_ptr<platform::IntervalTimer> m_probeTimer;
    std::unique_ptr<platform::IntervalTimer> m_retryTimer;
    std::unique_ptr<platform::IntervalTimer> m_presenceTimer;
    std::unique_ptr<platform::IntervalTimer> m_uploadTimer;
    std::unique_ptr<platform::IntervalTimer> m_imageRequestTimer;
    std::optional<std::chrono::microseconds> m_identifiedAt;

    protocol::FrameAssembler m_rx;
    std::deque<std::uint8_t> m_pending;
    bool m_draining = false;
    bool m_dropReported = false;  // said once each time the queue overflows
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
    int m_reportedY = 0;

    QByteArray m_uploadRaster;
    bool m_uploadInFlight = false;
    // Sent the erase, and the machine has not yet had the block it will ask for.
    bool m_uploadPending = false;
    QString m_lastError;
    int m_burnTimeSent = 0;
    std::optional<std::chrono::microseconds> m_burnTimeSentAt;
};

}  // namespace tavro::link
