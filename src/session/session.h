// The one owner of the job and of the machine's state, as the front ends see it: read-only
// views, commands and signals. Both front ends (the program's window and tavro-burn) build one
// SessionImpl (session_impl.h) and show what this says.
#pragma once

#include "codes/code_fit.h"
#include "codes/code_symbol.h"
#include "document/job_document.h"
#include "document/trace_overlay.h"
#include "link/engraver_link.h"
#include "link/message_log.h"
#include "materials/material_presets.h"
#include "materials/test_card.h"
#include "platform/outcome.h"
#include "protocol/frames.h"
#include "run/interrupted_job.h"
#include "run/job_estimator.h"
#include "run/job_model.h"
#include "run/run_driver.h"
#include "session/command.h"
#include "session/commands.h"

#include <QObject>
#include <QPoint>

#include <optional>

namespace tavro::session {

// What the front ends see of the machine.
struct MachineView {
    link::LinkState link = link::LinkState::NotConnected;
    bool identified = false;
    int port = 0;      // the identified machine's COM number
    QString portName;  // "COM3 (/dev/ttyUSB2)"; empty while none is identified
    // The machine may have lost its picture with the cable, and none went to it since.
    bool pictureMayBeMissing = false;
};

class Session : public QObject {
    Q_OBJECT
public:
    using CommandId = session::CommandId;
    using enum session::CommandId;
    using Progress = run::RunDriver::Progress;
    using Offer = run::RunDriver::Offer;

    using QObject::QObject;

    // What the front ends see, read-only.
    virtual link::MessageLog &log() = 0;
    virtual const document::JobDocument &document() const = 0;
    virtual const materials::MaterialPresets &materials() const = 0;
    // The job on the machine: its state, progress, the offer to resume, the step of a sequence.
    virtual const run::RunDriver &run() const = 0;
    virtual const run::JobModel &model() const = 0;
    virtual const run::JobEstimator &estimator() const = 0;
    virtual const document::TraceOverlay &trace() const = 0;
    virtual MachineView machine() const = 0;
    // The board's scale on the work piece, a setting of the machine kept in Config.ini.
    virtual double dotsPerMillimetre() const = 0;
    // Every command without an argument, with its availability and reason (commands.h).
    virtual Command &command(CommandId id) = 0;
    // The test card burnt or begun last, kept in Config.ini; whether it was burnt to its end.
    virtual std::optional<materials::TestCardPlan> lastCard() const = 0;
    virtual bool lastCardFinished() const = 0;

    // Start-up: the search for the machine begins and the log says so.
    virtual void begin() = 0;

    // The board shown goes to the machine: the rows above `fromRow` left white, then the burn
    // time set and the job started where asked.
    virtual void sendBoard(int fromRow = 0, std::optional<int> burnTime = std::nullopt,
                           bool start = false) = 0;
    // A step of a sequence goes to the machine, from that row, with its burn time, and is
    // started; the steps after it follow on their own. False when it could not go out.
    virtual bool sendSequence(const run::JobSequence &sequence, int fromRow = 0) = 0;
    // A saved job becomes the document, as tavro-burn takes it, without asking anything.
    virtual void takeJob(const document::JobFile &job) = 0;
    virtual void jog(protocol::JogDirection direction) = 0;
    virtual void locateToCentre(bool announce) = 0;
    virtual void locateToBox() = 0;
    virtual void gotoPoint(int x, int y) = 0;
    virtual void reverseMotor(int axis) = 0;
    virtual void burnTimeReleased(int burnTime) = 0;
    virtual void burnTimeKeyed(int burnTime) = 0;
    virtual void burnTimeKeysLetGo() = 0;

    // The board; each asks first where it would cut into a job, and says whether it went on.
    virtual bool pictureDropped(const QString &paths) = 0;
    // The effect chooser closed without a choice: the board and the controls as before.
    virtual void pictureDropAbandoned() = 0;
    // The chosen rendering of the dropped picture: a new job. Placed with its picture, it can be
    // moved, resized and mirrored on the board afterwards.
    virtual void placeRendering(const QImage &rendering) = 0;
    virtual void placeRendering(const document::PlacedRendering &rendering) = 0;
    // A code as a new job, at its fit's size in the middle of the board; false when the
    // operator kept the job that runs.
    virtual bool placeCode(const codes::CodeSymbol &symbol, const codes::CodeFit &fit) = 0;
    // The chosen picture there now, or why it was left where it was.
    virtual platform::Outcome placePicture(const document::Placement &placement) = 0;
    virtual void setDotsPerMillimetre(double dotsPerMillimetre) = 0;
    // A language's drop hint wipes the board; false when the operator kept the board instead.
    virtual bool mayChangeLanguage() = 0;
    virtual void showBackground(const QImage &picture) = 0;
    // The tuning the chooser shows and a chosen picture is rendered with.
    virtual void setTuning(const render::PictureTuning &tuning) = 0;
    // The effect chooser's tuning becomes the last choice, remembered in Config.ini.
    virtual void rememberTuning() = 0;
    // Text burnt into the board at this dot, in the document's font.
    virtual void writeText(QPoint origin, const QString &text) = 0;
    virtual void chooseFont(const document::TextFontSettings &font) = 0;

    // A material preset's tuning and burn time become the job's, the burn time sent as the
    // slider sends it (or owed to a machine not yet found). False when there is no such preset.
    virtual bool choosePreset(const QString &name) = 0;
    // The presets in Materials.ini: each change said done or why not, and then nothing changed.
    virtual platform::Outcome savePreset(const materials::MaterialPreset &preset) = 0;
    virtual platform::Outcome removePreset(const QString &name) = 0;
    virtual platform::Outcome exportPresets(const QString &path) const = 0;
    virtual platform::Result<int> importPresets(const QString &path) = 0;
    // The material picked last (none for an empty name), without choosing its tuning again.
    virtual void setChosenMaterial(const QString &name) = 0;
    virtual void setAsItWillBurn(bool on) = 0;
    virtual void rememberCard(const materials::TestCard &card, bool finished) = 0;

    // Job files; each tells the operator why when it fails, and then changed nothing.
    virtual bool openJob(const QString &path) = 0;
    virtual bool saveJob(const QString &path) = 0;
    virtual bool exportBoard(const QString &path) = 0;

    // The interrupted job: sent again from its row, from the top, or forgotten.
    virtual void resumeKept() = 0;
    virtual void startKeptOver() = 0;
    virtual void dismissKept() = 0;

    // True when the program may end now. A job that runs or is paused asks first; the
    // machine is paused and the job kept for the next start.
    virtual bool prepareQuit() = 0;
    // The program ends now, unasked (a signal, the display gone): a running job is paused and
    // kept, the pause on the wire before this returns.
    virtual void endNow() = 0;
    // The same where nothing else of Qt may run any more (the process is exiting): the pause
    // is written straight to the port.
    virtual void endAtExit() = 0;

signals:
    // Power OFF reached the machine: the program ends now.
    void endRequested();
    void runTimeChanged(const QString &text);
    void positionFieldsReset();
    void offerChanged();
    // Dots were burnt or skipped (often: a report of the machine's each time).
    void progressChanged();
    void pictureMayBeMissingChanged(bool missing);
    // The kept job is on its way back, from this row.
    void resuming(int fromRow);
    void dotsPerMillimetreChanged(double dotsPerMillimetre);
    // The machine took the erase but never asked for the picture: nothing was sent.
    void uploadFailed(const QString &reason);
    // The run on the machine changed: see run().
    void runChanged();
    // The search for the machine: begun, found, tried every port, found another device; a
    // machine that was found gone again, with the reason; the operator's Break.
    void searchStarted();
    void machineFound();
    void searchExhausted();
    void wrongMachine(int productId);
    void machineLost(const QString &reason);
    void disconnected();
    // Where the machine says its head is (a column, a row), as it says it.
    void headXReported(int x);
    void headYReported(int y);
    void uploadProgress(qint64 written, qint64 total);
    void estimateChanged();
    // The location radio boxes are unchecked and the board's pointer is the arrow again.
    void locationReset();
};

}  // namespace tavro::session
