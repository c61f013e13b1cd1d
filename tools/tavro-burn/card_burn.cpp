#include "card_burn.h"
#include "session/session_impl.h"

#include "burn_run.h"
#include "check.h"
#include "common/preset_option.h"
#include "common/render_options.h"
#include "common/usage_error.h"
#include "common/whole_option.h"
#include "platform/ending_signals.h"
#include "platform/port_lister.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"
#include "settings/settings_folder.h"
#include "terminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace tavro::burn {
namespace {

// Done when absent or a list of whole numbers.
platform::Outcome readList(const QCommandLineParser &parser, const QString &option,
                           QList<int> &values)
{
    if (!parser.isSet(option)) return platform::Outcome::done();
    QList<int> read;
    for (const QString &part : parser.value(option).split(u',')) {
        bool ok = false;
        read << part.trimmed().toInt(&ok);
        if (!ok)
            return platform::Outcome::failed(
                u"--%1 must be whole numbers separated by commas, not '%2'"_s.arg(
                    option, parser.value(option)));
    }
    values = read;
    return platform::Outcome::done();
}

platform::Outcome readCard(const QCommandLineParser &parser, materials::TestCardPlan &card)
{
    const auto wrong = [](const QString &why) { return platform::Outcome::failed(why); };
    cli::RenderChoice choice;
    choice.effect = render::Effect::Dither;
    for (const platform::Outcome &read :
         {cli::readPresetOption(parser, settings::settingsFolder(), choice),
          cli::readRenderOptions(parser, choice), readList(parser, u"burn-times"_s, card.burnTimes),
          readList(parser, u"levels"_s, card.levels)}) {
        if (!read) return read;
    }
    for (const QString &option : {u"code"_s, u"symbology"_s, u"error-correction"_s})
        if (parser.isSet(option)) return wrong(u"--%1 is no option of a test card"_s.arg(option));
    if (choice.asksPlacement())
        return wrong(
            u"a test card lays itself out: --width-mm, --height-mm, --left-mm, --top-mm and "
            u"--mirror are for pictures"_s);
    if (std::ranges::find(render::RightPanelEffects, choice.effect) ==
        render::RightPanelEffects.end())
        return wrong(
            u"--effect for a test card must render greys: dither, fs, atkinson, jjn, "
            u"stucki, sierra or bayer"_s);
    card.tuning = choice.tuning;
    card.tuning.method = choice.effect;
    bool ok = true;
    if (parser.isSet(u"patch-mm"_s)) card.patchMm = parser.value(u"patch-mm"_s).toDouble(&ok);
    if (!ok)
        return wrong(u"--patch-mm must be a number, not '%1'"_s.arg(parser.value(u"patch-mm"_s)));
    card.dotsPerMillimetre = cli::storedDotsPerMillimetre(settings::settingsFolder());
    card.labels = !parser.isSet(u"no-labels"_s);
    card.date = QDate::currentDate();
    if (parser.isSet(u"date"_s)) {
        card.date = QDate::fromString(parser.value(u"date"_s), Qt::ISODate);
        if (!card.date.isValid())
            return wrong(u"--date must be a date such as 2024-05-12, not '%1'"_s.arg(
                parser.value(u"date"_s)));
    }
    return materials::TestCard(card).check();
}

platform::Outcome readPlan(const QCommandLineParser &parser, CardBurn::Plan &plan)
{
    if (!parser.positionalArguments().isEmpty())
        return platform::Outcome::failed(u"--test-card takes no INPUT"_s);
    if (parser.isSet(u"burn-time"_s))
        return platform::Outcome::failed(u"--test-card burns its own --burn-times"_s);
    if (platform::Outcome read = readCard(parser, plan.card); !read) return read;
    int column = 1;
    for (const platform::Outcome &read :
         {cli::readWholeOption(parser, u"from-column"_s, 1, int(plan.card.burnTimes.size()),
                               column),
          cli::readWholeOption(parser, u"from-row"_s, 0, 511, plan.fromRow)}) {
        if (!read) return read;
    }
    plan.fromColumn = column - 1;
    return platform::Outcome::done();
}

}  // namespace

void addCardOptions(QCommandLineParser &parser)
{
    parser.addOption({u"test-card"_s,
                      u"Burn a material test card instead of a picture: a column of grey patches "
                      u"for each burn time, lowest first, each column a job of its own."_s});
    parser.addOption({u"burn-times"_s,
                      u"The card's burn times, 2 to 8 of 1 to 100 (default 10,17,28,48,80)."_s,
                      u"LIST"_s});
    parser.addOption({u"levels"_s,
                      u"The card's grey levels in percent black, 1 to 8 of 0 to 100; 100 alone "
                      u"is solid patches (default 0,25,50,75,100)."_s,
                      u"LIST"_s});
    parser.addOption({u"patch-mm"_s, u"The card's patch size, 1 to 10 mm (default 4)."_s, u"MM"_s});
    parser.addOption({u"no-labels"_s, u"Burn the card's patches without their labels."_s});
    parser.addOption(
        {u"date"_s, u"The date burnt under the card (default today)."_s, u"YYYY-MM-DD"_s});
    parser.addOption({u"from-column"_s,
                      u"Go on with a card cut off in column C, counted from 1; with --from-row, "
                      u"from that row of it."_s,
                      u"C"_s});
}

bool cardRequested(const QCommandLineParser &parser)
{
    return parser.isSet(u"test-card"_s);
}

CardBurn::CardBurn(session::Session &session, Plan plan, QObject *parent)
    : QObject(parent), m_session(session), m_run(session), m_plan(std::move(plan))
{
    makeConnections();
}

void CardBurn::makeConnections()
{
    using S = session::Session;
    connect(&m_session, &S::machineFound, this, &CardBurn::onIdentified);
    connect(&m_session, &S::searchExhausted, this, [this] {
        if (m_phase == Phase::Searching)
            finish(BurnRun::NoMachine, u"no machine found on any port"_s);
    });
    connect(&m_session, &S::wrongMachine, this, [this](int id) {
        finish(BurnRun::NoMachine,
               u"the device found answered with product id %1: not the engraver"_s.arg(id));
    });
    connect(&m_run, &session::TestCardRun::stateChanged, this, &CardBurn::onCardState);

    connect(&m_run, &session::TestCardRun::progressChanged, this, &CardBurn::reportProgress);
    connect(&m_run, &session::TestCardRun::columnStarted, this, [this](int column) {
        emit said(u"column %1 of %2: burn time %3"_s.arg(column + 1)
                      .arg(m_plan.card.burnTimes.size())
                      .arg(m_run.burnTime()));
    });
}

void CardBurn::begin()
{
    emit said(u"looking for the machine"_s);
    m_session.command(session::CommandId::Connect).trigger();
}

void CardBurn::onIdentified()
{
    if (m_phase != Phase::Searching) return;
    m_phase = Phase::Burning;
    emit said(u"machine found on %1"_s.arg(m_session.machine().portName));
    // Once the link has settled on the machine it found.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_phase != Phase::Burning) return;
            const platform::Outcome started =
                m_run.start(m_plan.card, m_plan.fromColumn, m_plan.fromRow);
            if (!started)
                finish(BurnRun::LinkBroke, u"the card could not begin: "_s + started.why());
        },
        Qt::QueuedConnection);
}

void CardBurn::onCardState(session::TestCardRun::State state)
{
    using S = session::TestCardRun::State;
    if (m_phase != Phase::Burning) return;
    if (state == S::Done) {
        reportProgress();
        const session::TestCardRun::Progress p = m_run.progress();
        finish(BurnRun::Done,
               u"done: the test card's %1 columns, %2 dots"_s.arg(m_plan.card.burnTimes.size())
                   .arg(p.done));
    } else if (state == S::Interrupted && !m_session.run().failure().isEmpty()) {
        finish(BurnRun::NotSent,
               u"column %1 was not sent; nothing was started: %2"_s.arg(m_run.column() + 1)
                   .arg(m_session.run().failure()));
    } else if (state == S::Interrupted) {
        finish(BurnRun::LinkBroke,
               u"the link broke in column %1; to go on from there: %2"_s.arg(m_run.column() + 1)
                   .arg(resumeCommand()));
    } else if (state == S::Stopped) {
        finish(BurnRun::Interrupted, u"the card was stopped"_s);
    }
}

void CardBurn::reportProgress()
{
    if (m_phase != Phase::Burning) return;
    const session::TestCardRun::Progress p = m_run.progress();
    emit progressed(p.done, p.total, m_run.remaining());
}

QString CardBurn::resumeCommand() const
{
    return m_plan.command +
           u" --from-column %1 --from-row %2"_s.arg(m_run.column() + 1).arg(m_run.resumeRow());
}

void CardBurn::interrupt(const QString &why)
{
    using S = run::JobModel::State;
    const Phase was = std::exchange(m_phase, Phase::Over);
    if (was == Phase::Over) return;
    QString what = u"no machine was found yet"_s;
    if (was == Phase::Burning) {
        const S state = m_session.model().state();
        if (state == S::Running) m_session.command(session::CommandId::Pause).trigger();
        // A column starts only once it is on the machine: while one is sent, none carves.
        if (m_session.model().state() == S::Paused) {
            what = u"the machine was paused in column %1 at row %2; to go on from there: %3"_s
                       .arg(m_run.column() + 1)
                       .arg(m_run.resumeRow())
                       .arg(resumeCommand());
        } else if (state == S::Running) {
            what =
                u"the machine could not be told to pause in column %1 at row %2; to go on "
                u"from there: %3"_s.arg(m_run.column() + 1)
                    .arg(m_run.resumeRow())
                    .arg(resumeCommand());
        } else if (m_run.state() == session::TestCardRun::State::Idle ||
                   m_run.column() == m_plan.fromColumn) {
            what =
                u"nothing was started on the machine: the card's column %1 was still being "
                u"sent"_s.arg(m_plan.fromColumn + 1);
        } else {
            what =
                u"nothing runs on the machine: column %1 was still being sent; to go on from "
                u"there: %2"_s.arg(m_run.column() + 1)
                    .arg(resumeCommand());
        }
    }
    emit said((why.isEmpty() ? u"interrupted"_s : u"interrupted: "_s + why) + u"; "_s + what);
    emit finished(BurnRun::Interrupted);
}

void CardBurn::finish(int status, const QString &line)
{
    if (m_phase == Phase::Over) return;
    m_phase = Phase::Over;
    emit said(line);
    emit finished(status);
}

int runCard(const QCommandLineParser &parser, const QStringList &commandLine)
{
    CardBurn::Plan plan;
    if (const platform::Outcome read = readPlan(parser, plan); !read) {
        printLine(stderr, cli::usageErrorLine(u"tavro-burn"_s, read.why()));
        return BurnRun::BadArguments;
    }
    plan.command = commandWithout(commandLine, {u"from-column"_s, u"from-row"_s});
    const QString port = parser.value(u"port"_s);
    const platform::PortTable table =
        port.isEmpty() ? platform::PortTable::fromEnvironment() : platform::PortTable({port});
    platform::QtSerialLine line(table);
    platform::QtClock clock;
    TerminalPrompter prompter;
    const platform::PortTableLister ports(table);
    const QString folder = settings::settingsFolder();
    settings::ensureSettingsFolder(folder);
    session::SessionImpl session({line, clock, prompter, ports, folder},
                                 {{}, parser.isSet(u"trace"_s)});

    CardBurn run(session, plan);
    ProgressLine progress(stdout);
    QObject::connect(&run, &CardBurn::said, &run, [&progress](const QString &text) {
        progress.say(stderr, u"tavro-burn: "_s + text);
    });
    QObject::connect(&run, &CardBurn::progressed, &run,
                     [&](qint64 done, qint64 total, std::chrono::milliseconds left) {
                         progress.show(done, total, left);
                         if (progress.failed()) run.interrupt(progress.failure());
                     });
    QObject::connect(&run, &CardBurn::finished, &run, [&](int status) {
        progress.end();
        line.drain(1s);  // a pause frame must be out before the command ends
        if (status == BurnRun::NoMachine)
            printCheck(stderr, table, !port.isEmpty(), machine::ConnectionDiagnosis::Depth::Quick);
        QCoreApplication::exit(status);
    });
    platform::EndingSignals endings;
    QObject::connect(&endings, &platform::EndingSignals::received, &run,
                     [&run] { run.interrupt(); });
    QMetaObject::invokeMethod(&run, &CardBurn::begin, Qt::QueuedConnection);
    return QCoreApplication::exec();
}

}  // namespace tavro::burn
