// The session's implementation: what it owns and how it follows the machine. Front ends see
// only the interface in session.h.
#pragma once

#include "link/engraver_link.h"
#include "platform/clock.h"
#include "platform/port_lister.h"
#include "platform/prompter.h"
#include "platform/serial_line.h"
#include "run/job_controls.h"
#include "run/job_recovery.h"
#include "run/machine_controls.h"
#include "session/job_guard.h"
#include "session/session.h"
#include "settings/profile_file.h"

#include <array>
#include <memory>

namespace tavro::link {
class TraceLog;
}  // namespace tavro::link
namespace tavro::machine {
class DeviceWatcher;
}  // namespace tavro::machine
namespace tavro::run {
class JobTrace;
}  // namespace tavro::run

namespace tavro::session {

// What the session is built from: the platform's services, which outlive it.
struct SessionServices {
    platform::SerialLine &line;
    platform::Clock &clock;
    platform::Prompter &prompter;
    const platform::PortLister &ports;
    QString settingsFolder;  // Config.ini and the kept jobs
    // Where it says so, a device plugged in is searched at once instead of at the next retry.
    machine::DeviceWatcher *devices = nullptr;
};

struct SessionOptions {
    link::LinkOptions link;
    // Every byte both ways, every log text and the job's progress on standard error.
    bool trace = false;
};

class SessionImpl final : public Session {
    Q_OBJECT
public:
    SessionImpl(const SessionServices &services, const SessionOptions &options,
                QObject *parent = nullptr);
    ~SessionImpl() override;

    // Start-up: the search for the machine begins and the log says so.
    void begin() override;

    link::MessageLog &log() override { return m_log; }
    const link::EngraverLink &link() const { return m_link; }
    const document::JobDocument &document() const override { return m_document; }
    const run::JobModel &model() const override { return m_model; }
    const run::JobEstimator &estimator() const override { return m_estimator; }
    const run::JobControls &jobs() const { return m_jobs; }
    const run::JobRecovery &recovery() const { return m_recovery; }
    const run::RunDriver &run() const override { return m_driver; }
    const run::MachineControls &controls() const { return m_controls; }
    const document::TraceOverlay &trace() const override { return m_trace; }
    const materials::MaterialPresets &materials() const override { return m_materials; }
    const QString &settingsFolder() const { return m_settingsFolder; }
    Command &command(CommandId id) override { return *m_commands[std::size_t(id)]; }

    MachineView machine() const override;
    Progress progress() const;
    Offer offer() const;
    // The machine may have lost its picture with the cable, and none went to it since.
    bool pictureMayBeMissing() const { return m_pictureMissing; }

    // The machine's commands, as the buttons, the menus and the keys send them.
    void connectMachine();
    void breakLink();
    // The board as it is now goes to the machine; with `fromRow`, the rows above it are left
    // white: a job picked up from that row. The progress counts the whole board. A step of a
    // sequence is kept as such, and a finished step keeps the next one until it runs.
    // The board shown goes to the machine: the rows above `fromRow` left white, then the burn
    // time set and the job started where asked.
    void sendBoard(int fromRow = 0, std::optional<int> burnTime = std::nullopt,
                   bool start = false) override;
    // A step of a sequence goes to the machine, from that row, with its burn time, and is
    // started; the steps after it follow on their own. False when it could not go out.
    bool sendSequence(const run::JobSequence &sequence, int fromRow = 0) override;
    // The sequence whose step goes to the machine now or went last; nothing for a job of its own.
    const std::optional<run::JobSequence> &sequenceSent() const { return m_driver.sequence(); }
    // A saved job becomes the document, as tavro-burn takes it, without asking anything.
    void takeJob(const document::JobFile &job) override;
    // Asks first when the machine holds another picture than the board shown.
    void start();
    void pause();
    void restart();
    void recarve();
    void fastForward();
    void fastBackward();
    void powerOff();
    void jog(protocol::JogDirection direction) override;
    void locateToCentre(bool announce) override;
    void locateToBox() override;
    void gotoPoint(int x, int y) override;
    void reverseMotor(int axis) override;
    void burnTimeReleased(int burnTime) override;
    void burnTimeKeyed(int burnTime) override;
    void burnTimeKeysLetGo() override;

    // The board; each asks first where it would cut into a job, and says whether it went on.
    bool pictureDropped(const QString &paths) override;
    // The chosen rendering of the dropped picture: a new job. Placed with its picture, it can be
    // moved, resized and mirrored on the board afterwards.
    void placeRendering(const QImage &rendering) override;
    void placeRendering(const document::PlacedRendering &rendering) override;
    bool placeCode(const codes::CodeSymbol &symbol, const codes::CodeFit &fit) override;
    platform::Outcome placePicture(const document::Placement &placement) override;
    void mirrorLeftRight();
    void mirrorTopBottom();
    void undo();
    void redo();
    // The board's scale on the work piece, a setting of the machine kept in Config.ini.
    double dotsPerMillimetre() const override { return m_dotsPerMillimetre; }
    void setDotsPerMillimetre(double dotsPerMillimetre) override;
    // The effect chooser closed without a choice: the board and the controls as before.
    void pictureDropAbandoned() override;
    bool clearBoard();
    bool reloadPicture();
    void zoomOutBoard();
    void rotateBoard();
    // A language's drop hint wipes the board; false when the operator kept the board instead.
    bool mayChangeLanguage() override;
    void showBackground(const QImage &picture) override;
    // The tuning the chooser shows and a chosen picture is rendered with.
    void setTuning(const render::PictureTuning &tuning) override;
    // The effect chooser's tuning becomes the last choice, remembered in Config.ini.
    void rememberTuning() override;
    // Text burnt into the board at this dot, in the document's font.
    void writeText(QPoint origin, const QString &text) override;
    void chooseFont(const document::TextFontSettings &font) override;
    // A material preset's tuning and burn time become the job's, the burn time sent as the
    // slider sends it (or owed to a machine not yet found). False when there is no such preset.
    bool choosePreset(const QString &name) override;
    // The presets in Materials.ini: each change said done or why not, and then nothing changed.
    platform::Outcome savePreset(const materials::MaterialPreset &preset) override;
    platform::Outcome removePreset(const QString &name) override;
    platform::Outcome exportPresets(const QString &path) const override;
    platform::Result<int> importPresets(const QString &path) override;
    // The material picked last (none for an empty name), without choosing its tuning again.
    void setChosenMaterial(const QString &name) override;
    void setAsItWillBurn(bool on) override;
    // The test card burnt or begun last, kept in Config.ini; whether it was burnt to its end.
    void rememberCard(const materials::TestCard &card, bool finished) override;
    std::optional<materials::TestCardPlan> lastCard() const override;
    bool lastCardFinished() const override;

    // Job files; each tells the operator why when it fails, and then changed nothing.
    bool openJob(const QString &path) override;
    bool saveJob(const QString &path) override;
    bool exportBoard(const QString &path) override;
    // The operator's message for a job that could not be read.
    static QString openFailureText(const QString &path, const document::JobFileRead &read);

    // The interrupted job: sent again from its row, from the top, or forgotten.
    void resumeKept() override;
    void startKeptOver() override;
    void dismissKept() override;

    // True when the program may end now. A job that runs or is paused asks first; the
    // machine is paused and the job kept for the next start.
    bool prepareQuit() override;
    // The program ends now, unasked (a signal, the display gone): a running job is paused and
    // kept, the pause on the wire before this returns.
    void endNow() override;
    // The same where nothing else of Qt may run any more (the process is exiting): the pause
    // is written straight to the port.
    void endAtExit() override;
    // Why the machine did not take the last upload, though the link stands (it never asked for
    // the picture); empty otherwise. A broken link says so itself.
    const QString &uploadFailure() const { return m_driver.failure(); }

private:
    // The kept job on the board; false when the operator kept an unsent picture instead.
    bool showKept(const run::InterruptedJob &kept);

    void makeCommands();
    void makeConnections();
    void updateCommands();
    CommandSnapshot commandSnapshot() const;
    void startNewJob();
    void mirror(bool leftRight);
    void onIdentified(int port);
    void onLinkLost();
    void onRunChanged();
    void setPictureMissing(bool missing);
    void sendOwedBurnTime();

    QString m_settingsFolder;
    QString m_droppedPaths;
    platform::SerialLine &m_line;
    platform::Clock &m_clock;
    platform::Prompter &m_prompter;
    const platform::PortLister &m_ports;
    settings::ProfileFile m_settings;
    link::MessageLog m_log;
    link::EngraverLink m_link;
    run::MachineControls m_controls;
    run::JobControls m_jobs;
    run::JobModel m_model;
    run::JobEstimator m_estimator;
    document::JobDocument m_document;
    document::TraceOverlay m_trace;
    run::JobRecovery m_recovery;
    run::RunDriver m_driver;
    JobGuard m_guard;
    materials::MaterialPresets m_materials;
    std::unique_ptr<platform::IntervalTimer> m_burnTimeWait;
    std::array<Command *, CommandCount> m_commands{};
    std::unique_ptr<link::TraceLog> m_traceLog;
    std::unique_ptr<run::JobTrace> m_jobTrace;

    bool m_identified = false;
    bool m_wasIdentified = false;
    bool m_connectEnabled = true;
    bool m_powerOffShown = true;
    bool m_burnTimeOwed = false;  // a job's burn time not yet sent to a machine
    bool m_pictureMissing = false;
    double m_dotsPerMillimetre;
    run::RunDriver::State m_runState = run::RunDriver::State::Idle;
};

}  // namespace tavro::session
