// tavro-burn run as the operator runs it, against the simulated engraver's own command.
#include "document/job_file.h"
#include "materials/material_presets.h"
#include "materials/test_card.h"
#include "outcome_assert.h"
#include "qt_printers.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Patience = 60000;  // ms; generous for a loaded machine

// The simulated machine as a process of its own, serving a pty at a fixed link path.
class Machine {
public:
    Machine(const QString &link, const QStringList &options)
    {
        m_process.setProgram(QStringLiteral(TAVRO_ENGRAVER_SIM_COMMAND));
        m_process.setArguments(QStringList{u"--link"_s, link, u"--verbose"_s} + options);
        m_process.start();
        m_process.waitForReadyRead(Patience);  // its first line, the device path: it is ready
    }
    ~Machine()
    {
        m_process.terminate();
        m_process.waitForFinished(Patience);
    }
    // Every frame it received, as "FF 01 02 00".
    QString frames()
    {
        m_received += QString::fromLatin1(m_process.readAllStandardError());
        return m_received;
    }

private:
    QProcess m_process;
    QString m_received;
};

class TavroBurn : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString link = dir.filePath(u"ttyBurn"_s);
    QString burnt = dir.filePath(u"burnt.png"_s);
    QProcess burn;

    QString picture(int width = 160, int height = 120)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 255 / width, 90, y * 2));
        const QString path = dir.filePath(u"picture.png"_s);
        image.save(path);
        return path;
    }
    void startBurn(const QStringList &arguments)
    {
        burn.setProgram(QStringLiteral(TAVRO_BURN_PATH));
        burn.setArguments(arguments);
        burn.start();
    }
    int finish()
    {
        // It may have ended already, while the test waited for a frame with the event loop on.
        if (burn.state() != QProcess::NotRunning && !burn.waitForFinished(Patience)) return -1;
        return burn.exitStatus() == QProcess::NormalExit ? burn.exitCode() : -2;
    }
    QImage rendered(const QStringList &options)
    {
        const QString png = dir.filePath(u"rendered.png"_s);
        QProcess render;
        render.start(QStringLiteral(TAVRO_RENDER_PATH), options + QStringList{u"--png"_s, png});
        render.waitForFinished(Patience);
        return QImage(png);
    }
    // The machine records burnt dots black on white; the board may have any colours.
    static QImage blackOf(const QImage &image)
    {
        QImage out(512, 512, QImage::Format_RGB32);
        out.fill(Qt::white);
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x) {
                const QRgb c = image.pixel(x, y);
                if (qRed(c) + qGreen(c) + qBlue(c) <= 382) out.setPixel(x, y, qRgb(0, 0, 0));
            }
        return out;
    }
};

TEST_F(TavroBurn, BurnsWhatTavroRenderRendersForTheSameOptions)
{
    Machine machine(link, {u"--fast"_s, u"--burn-out"_s, burnt});
    const QStringList options = {picture(), u"--effect"_s, u"atkinson"_s, u"--gamma"_s, u"1.4"_s};
    startBurn(options + QStringList{u"--port"_s, link, u"--burn-time"_s, u"33"_s});
    ASSERT_EQ(finish(), 0) << burn.readAllStandardError().toStdString();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return machine.frames().contains(u"received FF 05 21 00"_s); }, Patience))
        << "burn time 33 was set";
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(burnt); }, Patience));
    EXPECT_EQ(blackOf(QImage(burnt)), blackOf(rendered(options)));
    EXPECT_TRUE(burn.readAllStandardOutput().contains("percent=100"));
}

TEST_F(TavroBurn, ASavedJobIsBurntExactlyAsSavedWithItsBurnTime)
{
    Machine machine(link, {u"--fast"_s, u"--burn-out"_s, burnt});
    tavro::document::JobFile saved;
    saved.board = QImage(512, 512, QImage::Format_RGB32);
    saved.board.fill(Qt::white);
    for (int y = 40; y < 470; y += 9)
        for (int x = (y * 7) % 13; x < 512; x += 5) saved.board.setPixel(x, y, qRgb(0, 0, 0));
    saved.burnTime = 27;
    const QString path = dir.filePath(u"job.tavro.png"_s);
    ASSERT_TRUE(isDone(tavro::document::writeJobFile(path, saved)));
    startBurn({path, u"--port"_s, link});
    ASSERT_EQ(finish(), 0) << burn.readAllStandardError().toStdString();
    const QString said = QString::fromUtf8(burn.readAllStandardError());
    EXPECT_TRUE(said.contains(u"machine found on %1,"_s.arg(link)))
        << "named as the operator named it";
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return machine.frames().contains(u"received FF 05 1B 00"_s); }, Patience));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(burnt); }, Patience));
    EXPECT_EQ(blackOf(QImage(burnt)), blackOf(saved.board));
}

TEST_F(TavroBurn, BurnsTheCodeTavroRenderDrawsAtItsPresetsBurnTime)
{
    tavro::materials::MaterialPresets presets(qEnvironmentVariable("TAVRO_HOME"));
    ASSERT_TRUE(isDone(presets.save({.name = u"Beech"_s, .burnTime = 41})));
    Machine machine(link, {u"--fast"_s, u"--burn-out"_s, burnt});
    const QStringList options = {u"--code"_s,      u"4006381333931"_s,
                                 u"--symbology"_s, u"ean13"_s,
                                 u"--height-mm"_s, u"8"_s,
                                 u"--top-mm"_s,    u"1"_s};
    startBurn(options + QStringList{u"--port"_s, link, u"--preset"_s, u"Beech"_s});
    ASSERT_EQ(finish(), 0) << burn.readAllStandardError().toStdString();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return machine.frames().contains(u"received FF 05 29 00"_s); }, Patience))
        << "the preset's burn time 41 was set";
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(burnt); }, Patience));
    const QImage code = blackOf(rendered(options));
    QImage blank(512, 512, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_NE(code, blank);
    EXPECT_EQ(blackOf(QImage(burnt)), code);
    ASSERT_TRUE(isDone(presets.remove(u"Beech"_s)));
}

TEST_F(TavroBurn, FromRowLeavesTheRowsAboveWhite)
{
    Machine machine(link, {u"--fast"_s, u"--burn-out"_s, burnt});
    const QStringList options = {picture(), u"--effect"_s, u"dither"_s};
    startBurn(options + QStringList{u"--port"_s, link, u"--from-row"_s, u"200"_s});
    ASSERT_EQ(finish(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(burnt); }, Patience));
    QImage expected = blackOf(rendered(options));
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 512; ++x) expected.setPixel(x, y, qRgb(255, 255, 255));
    EXPECT_EQ(blackOf(QImage(burnt)), expected);
}

// Ctrl-C, kill, a closed terminal, Ctrl-\\, a reader that went away: never a carve left alone.
TEST_F(TavroBurn, EverythingThatEndsItPausesTheMachineFirst)
{
    // 0: the reader of its output goes away; -1: its output fills the disk.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, 0, -1}) {
        SCOPED_TRACE(signal);
        // Slow dots, so the carve is still running when the operator gives up.
        Machine machine(link, {u"--burn-time"_s, u"100"_s});
        const QStringList arguments = {picture(400, 300), u"--effect"_s, u"bw"_s, u"--port"_s,
                                       link};
        if (signal == 0) {
            // tavro-burn ... | head -1
            burn.setProgram(u"bash"_s);
            burn.setArguments(
                QStringList{u"-c"_s, u"\"$0\" \"$@\" | head -1 >/dev/null; exit ${PIPESTATUS[0]}"_s,
                            QStringLiteral(TAVRO_BURN_PATH)} +
                arguments);
            burn.start();
        } else {
            if (signal < 0) burn.setStandardOutputFile(u"/dev/full"_s);
            startBurn(arguments);
        }
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return machine.frames().contains(u"FF 01 01 00"_s); }, Patience));
        if (signal > 0) ::kill(pid_t(burn.processId()), signal);
        EXPECT_EQ(finish(), 130);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return machine.frames().contains(u"FF 01 02 00"_s); }, Patience));
        const QString said = QString::fromLocal8Bit(burn.readAllStandardError());
        EXPECT_TRUE(said.contains(u"--from-row"_s)) << said.toStdString();
        // Not the operator's doing: it says why.
        if (signal <= 0) {
            const QString why = signal == 0 ? u"Broken pipe"_s : u"No space left on device"_s;
            EXPECT_TRUE(said.contains(
                u"interrupted: standard output cannot be written (%1); the machine was paused"_s
                    .arg(why)))
                << said.toStdString();
        }
        burn.setStandardOutputFile({});
    }
}

TEST_F(TavroBurn, NoMachineAfterTheScanTriedEveryPort)
{
    startBurn({picture(), u"--port"_s, dir.filePath(u"nothing-here"_s)});
    EXPECT_EQ(finish(), 1);
    EXPECT_TRUE(burn.readAllStandardError().contains("no machine found"));
}

TEST_F(TavroBurn, APulledCableEndsWith3AndNamesTheRowToResumeFrom)
{
    Machine machine(link, {u"--burn-time"_s, u"100"_s, u"--unplug-after"_s, u"3"_s});
    startBurn({picture(400, 300), u"--effect"_s, u"bw"_s, u"--port"_s, link});
    EXPECT_EQ(finish(), 3);
    const QString said = QString::fromLocal8Bit(burn.readAllStandardError());
    const QString command =
        u"to go on from there: tavro-burn %1 --effect bw --port %2 --from-row "_s.arg(
            dir.filePath(u"picture.png"_s), link);
    EXPECT_TRUE(said.contains(command)) << said.toStdString();
}

TEST_F(TavroBurn, AMachineThatNeverAsksForThePictureEndsWith4AndStartsNothing)
{
    Machine machine(link, {u"--never-asks"_s});
    for (const QStringList &arguments :
         {QStringList{picture(), u"--port"_s, link}, {u"--test-card"_s, u"--port"_s, link}}) {
        startBurn(arguments);
        EXPECT_EQ(finish(), 4);
        const QString said = QString::fromLocal8Bit(burn.readAllStandardError());
        EXPECT_TRUE(
            said.contains(u"nothing was started: the machine did not ask for the "
                          u"picture within 5 s"_s))
            << said.toStdString();
    }
    EXPECT_FALSE(machine.frames().contains(u"FF 01 01 00"_s));
}

TEST_F(TavroBurn, BadArgumentsSendNothing)
{
    const QString input = picture();
    // A saved job and a test card lay themselves out: placing them is no argument of theirs.
    tavro::document::JobFile saved;
    saved.board = QImage(512, 512, QImage::Format_RGB32);
    saved.board.fill(Qt::white);
    const QString job = dir.filePath(u"placed.tavro.png"_s);
    ASSERT_TRUE(isDone(tavro::document::writeJobFile(job, saved)));
    for (const QStringList &arguments :
         {QStringList{}, QStringList{input, u"--burn-time"_s, u"101"_s},
          QStringList{job, u"--mirror"_s, u"h"_s},
          QStringList{u"--test-card"_s, u"--width-mm"_s, u"5"_s},
          QStringList{u"--test-card"_s, u"--code"_s, u"x"_s},
          QStringList{u"--code"_s, u"x"_s, u"--effect"_s, u"bw"_s},
          QStringList{input, u"--effect"_s, u"sepia"_s},
          QStringList{input, u"--from-row"_s, u"-1"_s}, QStringList{input, u"--bogus"_s},
          QStringList{dir.filePath(u"missing.png"_s)},
          // Names that would set the terminal's title, clear it and add a line of their own.
          QStringList{dir.filePath(u"\x1b]0;owned\x07\x1b[2J\nfake: done\n.png"_s)},
          QStringList{input, u"--\u009b2J\x1b[1A"_s}}) {
        startBurn(arguments + QStringList{u"--port"_s, link});
        EXPECT_EQ(finish(), 2) << arguments.join(u' ').toStdString();
        const QString text = QString::fromLocal8Bit(burn.readAllStandardError());
        const QStringList said = text.split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(said.size(), 1) << "one line, not the whole help";
        EXPECT_FALSE(text.contains(u'\x1b') || text.contains(u'\u009b')) << text.toStdString();
    }
    startBurn({input, u"--port"_s, QString()});
    EXPECT_EQ(finish(), 2) << "an empty port is no search of every port";
    startBurn({input, u"--bogus"_s});
    EXPECT_EQ(finish(), 2);
    const QString said = QString::fromLocal8Bit(burn.readAllStandardError());
    EXPECT_TRUE(said.contains(u"bogus"_s) && said.contains(u"see --help"_s)) << said.toStdString();
    EXPECT_FALSE(said.contains(u".; see"_s)) << "Qt's full stop is not repeated";
}

// The burn times the machine was sent, in the order it got them.
QList<int> burnTimesIn(const QString &frames)
{
    QList<int> times;
    static const QRegularExpression burnTime(u"received FF 05 ([0-9A-F]{2}) 00"_s);
    for (const QRegularExpressionMatch &match : burnTime.globalMatch(frames))
        times << match.captured(1).toInt(nullptr, 16);
    return times;
}

const QStringList CardOptions = {u"--test-card"_s, u"--burn-times"_s, u"12,30,70"_s,  u"--levels"_s,
                                 u"40,100"_s,      u"--date"_s,       u"2024-05-12"_s};

// The card CardOptions asks for.
tavro::materials::TestCard optionsCard()
{
    return tavro::materials::TestCard(
        {.burnTimes = {12, 30, 70}, .levels = {40, 100}, .date = QDate(2024, 5, 12)});
}

TEST_F(TavroBurn, TheTestCardBurnsItsColumnsLowestFirstAndTogetherTheCard)
{
    Machine machine(link, {u"--fast"_s, u"--burn-out"_s, burnt});
    startBurn(CardOptions + QStringList{u"--port"_s, link});
    ASSERT_EQ(finish(), 0) << burn.readAllStandardError().toStdString();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return burnTimesIn(machine.frames()).size() == 3; }, Patience));
    EXPECT_EQ(burnTimesIn(machine.frames()), (QList<int>{12, 30, 70}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(burnt); }, Patience));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return blackOf(QImage(burnt)) == blackOf(optionsCard().board()); }, Patience));
    const QString said = QString::fromLocal8Bit(burn.readAllStandardError());
    EXPECT_TRUE(said.contains(u"column 3 of 3: burn time 70"_s)) << said.toStdString();
    EXPECT_TRUE(burn.readAllStandardOutput().contains("percent=100"));
}

TEST_F(TavroBurn, ACardCutOffGoesOnFromItsColumnAndRow)
{
    QString resume;
    {
        // Slow dots, and a cable pulled in the middle of the card.
        Machine machine(link, {u"--dot-us"_s, u"40"_s, u"--unplug-after"_s, u"2"_s});
        startBurn(CardOptions + QStringList{u"--port"_s, link});
        EXPECT_EQ(finish(), 3);
        const QString said = QString::fromLocal8Bit(burn.readAllStandardError());
        static const QRegularExpression command(u"to go on from there: (tavro-burn .*)\n"_s);
        resume = command.match(said).captured(1);
        ASSERT_TRUE(resume.contains(u"--from-column"_s)) << said.toStdString();
    }
    QStringList words = resume.split(u' ', Qt::SkipEmptyParts);
    const int column = words[words.indexOf(u"--from-column"_s) + 1].toInt();
    const int row = words[words.indexOf(u"--from-row"_s) + 1].toInt();
    ASSERT_GE(column, 1);
    words.removeFirst();
    Machine machine(link, {u"--fast"_s, u"--burn-out"_s, burnt});
    startBurn(words);
    ASSERT_EQ(finish(), 0) << burn.readAllStandardError().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(burnt); }, Patience));
    const tavro::materials::TestCard card = optionsCard();
    QImage expected = blackOf(card.column(column - 1));
    for (int y = 0; y < row; ++y)
        for (int x = 0; x < 512; ++x) expected.setPixel(x, y, qRgb(255, 255, 255));
    for (int c = column; c < card.columns(); ++c) {
        const QImage next = blackOf(card.column(c));
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x)
                if (next.pixel(x, y) == qRgb(0, 0, 0)) expected.setPixel(x, y, qRgb(0, 0, 0));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return blackOf(QImage(burnt)) == expected; }, Patience));
    const QList<int> times = card.plan().burnTimes.mid(column - 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return burnTimesIn(machine.frames()) == times; }, Patience))
        << machine.frames().toStdString();
}

TEST_F(TavroBurn, ACardThatCannotBeBurntSendsNothing)
{
    for (const QStringList &arguments :
         {QStringList{u"--burn-times"_s, u"40"_s}, QStringList{u"--burn-times"_s, u"5,x"_s},
          QStringList{u"--levels"_s, u"0,101"_s}, QStringList{u"--patch-mm"_s, u"20"_s},
          QStringList{u"--burn-times"_s, u"10,15,20,30,40,55,70,90"_s, u"--patch-mm"_s, u"6"_s},
          QStringList{u"--effect"_s, u"bw"_s}, QStringList{u"--burn-time"_s, u"40"_s},
          QStringList{u"--from-column"_s, u"6"_s}, QStringList{u"--date"_s, u"May"_s},
          QStringList{picture()}, QStringList{u"--preset"_s, u"Nothing saved"_s}}) {
        startBurn(QStringList{u"--test-card"_s, u"--port"_s, link} + arguments);
        EXPECT_EQ(finish(), 2) << arguments.join(u' ').toStdString();
        const QStringList said =
            QString::fromLocal8Bit(burn.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(said.size(), 1) << arguments.join(u' ').toStdString();
    }
}

}  // namespace
