// tavro-burn: burns a picture on the engraver from the command line, with no window.
#include "burn_session.h"
#include "check.h"
#include "job/job_estimator.h"
#include "job/job_file.h"
#include "job/job_model.h"
#include "job/job_trace.h"
#include "job/machine_controls.h"
#include "job/render_options.h"
#include "job/resume.h"
#include "link/trace_log.h"
#include "platform/file_name.h"
#include "platform/port_table.h"
#include "platform/profile_file.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"
#include "platform/settings_folder.h"
#include "terminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSocketNotifier>

#include <csignal>
#include <memory>
#include <optional>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;
using namespace tavro;

namespace {

struct Arguments {
    QString input;
    job::RenderChoice choice;
    int burnTime = 0;
    int fromRow = 0;
    QString port;
    bool start = true;
    bool trace = false;
};

// Empty when the option is absent or a whole number in [min, max].
QString readNumber(const QCommandLineParser &parser, const QString &option, int min, int max,
                   int &value)
{
    if (!parser.isSet(option)) return {};
    bool ok = false;
    const int parsed = parser.value(option).trimmed().toInt(&ok);
    if (!ok || parsed < min || parsed > max)
        return u"--%1 must be a whole number from %2 to %3, not '%4'"_s.arg(option)
            .arg(min)
            .arg(max)
            .arg(parser.value(option));
    value = parsed;
    return {};
}

QString readArguments(const QCommandLineParser &parser, Arguments &arguments)
{
    if (parser.positionalArguments().size() != 1) return u"exactly one INPUT is needed"_s;
    arguments.input = parser.positionalArguments().first();
    for (QString error : {job::readRenderOptions(parser, arguments.choice),
                          readNumber(parser, u"burn-time"_s, 1, 100, arguments.burnTime),
                          readNumber(parser, u"from-row"_s, 0, 511, arguments.fromRow)}) {
        if (!error.isEmpty()) return error;
    }
    arguments.port = parser.value(u"port"_s);
    arguments.start = !parser.isSet(u"no-start"_s);
    arguments.trace = parser.isSet(u"trace"_s);
    return {};
}

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        u"Burns a picture on the engraver without a window: finds the machine as the program "
        u"does, sends the picture rendered as the effect chooser would, sets the burn time and "
        u"starts. Exit status: 0 carved, 1 no machine found, 2 bad arguments, 3 the link broke, "
        u"130 interrupted (the machine is paused)."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        u"INPUT"_s,
        u"The picture file (JPEG, BMP, PNG, GIF, ICO, CUR, PCX), or a saved job (.tavro.png), "
        u"which is burnt exactly as saved."_s);
    job::addRenderOptions(parser);
    parser.addOption(
        {u"burn-time"_s, u"The burn time to set, 1 to 100 (default: the machine's)."_s, u"T"_s});
    parser.addOption(
        {u"port"_s, u"The machine's device (default: search COM1 to COM64)."_s, u"DEVICE"_s});
    parser.addOption({u"from-row"_s,
                      u"Leave the rows above N white: resumes a burn cut off at row N."_s, u"N"_s});
    parser.addOption({u"no-start"_s, u"Send the picture and the burn time, but do not start."_s});
    parser.addOption(
        {u"trace"_s,
         u"Write every byte sent and received and every log text to standard error."_s});
}

// A saved job is burnt exactly as saved (its burn time unless one is given); a picture
// is rendered as the effect chooser would. Nothing when INPUT cannot be read.
std::optional<QImage> readBoard(Arguments &arguments)
{
    if (job::isJobFile(arguments.input)) {
        const job::JobFileRead read = job::readJobFile(arguments.input);
        if (read.status != job::JobFileStatus::Ok) {
            burn::printLine(stderr, u"tavro-burn: cannot read the job: "_s + read.reason);
            return std::nullopt;
        }
        if (arguments.burnTime == 0) arguments.burnTime = read.job.burnTime;
        return read.job.board;
    }
    const job::RenderedBoard rendered = job::renderPictureFile(arguments.input, arguments.choice);
    if (!rendered.error.isEmpty()) {
        burn::printLine(stderr, u"tavro-burn: cannot read the picture: "_s + rendered.error);
        return std::nullopt;
    }
    return rendered.board;
}

// Ctrl-C reaches the event loop through a pipe, so the pause frame goes out from there.
int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tavro-burn"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVRO_VERSION));
    QLoggingCategory::setFilterRules(u"qt.gui.imageio*.warning=false"_s);

    QCommandLineParser parser;
    addOptions(parser);
    burn::addCheckOption(parser);
    // File names are kept byte for byte, valid UTF-8 or not; --help and --version end here.
    parser.process(platform::commandLineArguments(argc, argv));
    if (burn::checkRequested(parser)) return burn::runCheck(parser);
    Arguments arguments;
    if (const QString error = readArguments(parser, arguments); !error.isEmpty()) {
        burn::printLine(stderr, u"tavro-burn: "_s + error);
        std::fputs(qPrintable(parser.helpText()), stderr);
        return burn::BurnSession::BadArguments;
    }
    const std::optional<QImage> board = readBoard(arguments);
    if (!board) return burn::BurnSession::BadArguments;

    const platform::PortTable table = arguments.port.isEmpty()
                                          ? platform::PortTable::fromEnvironment()
                                          : platform::PortTable({arguments.port});
    platform::QtSerialLine line(table);
    platform::QtClock clock;
    burn::TerminalPrompter prompter;
    link::EngraverLink link(line, clock, prompter, [&table] {
        return link::PortList{true, 0, table.presentPortList()};
    });
    job::MachineControls controls;
    job::JobControls jobs(link, clock, controls, prompter);
    job::JobModel model(link, jobs);
    // The time model is learnt and kept as the program keeps it, so either can estimate.
    platform::ensureSettingsFolder(platform::settingsFolder());
    platform::ProfileFile settings(QDir(platform::settingsFolder()).filePath(u"Config.ini"_s));
    job::JobEstimator estimator(model, link, jobs, clock, settings);
    std::unique_ptr<link::TraceLog> trace;
    std::unique_ptr<job::JobTrace> jobTrace;
    if (arguments.trace) {
        trace = std::make_unique<link::TraceLog>(line, link);
        jobTrace = std::make_unique<job::JobTrace>(model, estimator, clock, *trace);
        if (arguments.fromRow > 0) jobTrace->resumed(arguments.fromRow);
    }

    burn::BurnSession session(
        link, jobs, model, estimator,
        {job::boardFromRow(*board, arguments.fromRow), arguments.burnTime, arguments.start});
    burn::ProgressLine progress(stdout);
    QObject::connect(&session, &burn::BurnSession::said, &app, [&progress](const QString &text) {
        progress.end();
        burn::printLine(stderr, u"tavro-burn: "_s + text);
    });
    QObject::connect(&session, &burn::BurnSession::progressed, &app,
                     [&progress](qint64 done, qint64 total, std::chrono::milliseconds left) {
                         progress.show(done, total, left);
                     });
    QObject::connect(&session, &burn::BurnSession::finished, &app, [&](int status) {
        progress.end();
        line.drain(1s);  // a pause frame must be out before the command ends
        QCoreApplication::exit(status);
    });

    std::unique_ptr<QSocketNotifier> interrupts;
    if (::pipe(g_signalPipe) == 0) {
        interrupts = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
        QObject::connect(interrupts.get(), &QSocketNotifier::activated, &session,
                         &burn::BurnSession::interrupt);
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
    }
    // From inside the event loop: a scan that fails at once must still end it.
    QMetaObject::invokeMethod(&session, &burn::BurnSession::begin, Qt::QueuedConnection);
    return app.exec();
}
