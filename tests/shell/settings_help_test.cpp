// The settings window's motor buttons and site link; the help window's answers and installer.
#include "fake_desktop.h"
#include "platform/browser.h"
#include "session_fixture.h"
#include "shell/help_window.h"
#include "shell/program.h"
#include "shell/settings_window.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

using namespace tavro;
using namespace tavro::test;

namespace {

struct Box {
    QString text;
    QString caption;
    bool operator==(const Box &) const = default;
};

void PrintTo(const Box &box, std::ostream *out)
{
    *out << '"' << box.caption.toStdString() << "\" \"" << box.text.toStdString() << '"';
}

template <typename T = QWidget>
T *unit(QWidget &window, const QString &name)
{
    T *w = window.findChild<T *>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

// --- Settings window ---

class SettingsTest : public ::testing::TestWithParam<bool> {
protected:
    SessionParts parts;
    FakeDesktop desktop;
    shell::SettingsWindow window{parts.session, desktop};
};

TEST_P(SettingsTest, EachReverseSendsOneFrameAndSaysWhetherItWasSaved)
{
    const bool connected = GetParam();
    if (connected) parts.identify();
    window.show();
    QTest::mouseClick(unit<QPushButton>(window, u"按钮x"_s), Qt::LeftButton);
    QTest::mouseClick(unit<QPushButton>(window, u"按钮x"_s), Qt::LeftButton);
    QTest::mouseClick(unit<QPushButton>(window, u"按钮y"_s), Qt::LeftButton);
    const QList<QByteArray> expected = {bytes({0xFF, 0x08, 0x01, 0x00}),
                                        bytes({0xFF, 0x08, 0x01, 0x00}),
                                        bytes({0xFF, 0x08, 0x02, 0x00})};
    EXPECT_EQ(parts.line.writes, connected ? expected : QList<QByteArray>());
    // Without a machine nothing was saved, and the box must not say otherwise.
    const QString box =
        connected ? u"box:Info|Saved !"_s : u"box:Info|Not saved: no machine connected."_s;
    EXPECT_EQ(parts.view.effects(), (QStringList{box, box, box}));
    EXPECT_TRUE(window.isVisible()) << "the window stays open after \"Saved !\"";
}

INSTANTIATE_TEST_SUITE_P(Line, SettingsTest, ::testing::Bool(), [](const auto &info) {
    return info.param ? "Connected" : "NotConnected";
});

TEST_F(SettingsTest, HasOnlyTheTwoReverseButtons)
{
    QStringList buttons;
    for (const QAbstractButton *b : window.findChildren<QAbstractButton *>())
        buttons << b->objectName();
    EXPECT_EQ(buttons, (QStringList{u"按钮x"_s, u"按钮y"_s}));
    EXPECT_EQ(window.findChild<QDialogButtonBox *>(), nullptr);
}

TEST_F(SettingsTest, LeftReleaseOnTheSiteLabelOpensTheSite)
{
    auto *site = unit<QLabel>(window, u"标签6"_s);
    EXPECT_EQ(site->text(), u"tavro-laser.github.io"_s);
    EXPECT_EQ(site->text(), QUrl(platform::MakerSite).host()) << "shown and opened site agree";

    QTest::mouseRelease(site, Qt::RightButton);
    EXPECT_EQ(desktop.sitesOpened, 0);
    QTest::mouseRelease(site, Qt::LeftButton);
    EXPECT_EQ(desktop.sitesOpened, 1);
    QTest::mouseRelease(unit(window, u"标签2"_s), Qt::LeftButton);
    EXPECT_EQ(desktop.sitesOpened, 1) << "\"Visit us:\" is no link";
}

TEST_F(SettingsTest, TheHostNameIsShownWholeAndAllOfItIsClickable)
{
    shell::installFontSubstitutions();
    auto *site = unit<QLabel>(window, u"标签6"_s);
    auto *about = unit<QGroupBox>(window, u"分组框4"_s);
    const int textWidth = site->fontMetrics().horizontalAdvance(site->text());
    EXPECT_LE(textWidth, site->width());
    EXPECT_TRUE(about->contentsRect().contains(site->geometry())) << "not cut by the group box";
    const auto *visit = unit<QLabel>(window, u"标签2"_s);
    EXPECT_LT(visit->x() + visit->fontMetrics().horizontalAdvance(visit->text()),
              site->mapTo(&window, QPoint(0, 0)).x())
        << "\"Visit us:\" ends before the host name begins";
    for (const int x : {1, textWidth / 2, textWidth - 1}) {
        const QPoint at = site->mapTo(&window, QPoint(x, site->height() / 2));
        EXPECT_EQ(window.childAt(at), site) << "x = " << x;
    }
}

// --- Help window ---

QByteArray format(const QByteArray &file)
{
    QBuffer buffer;
    buffer.setData(file);
    return QImageReader(&buffer).format();
}

TEST(HelpPictures, AreNineDistinctFilesOf500By500InTheirFormats)
{
    QList<QByteArray> pictures = {shell::HelpWindow::helpStartPicture()};
    for (int n = 1; n <= shell::HelpWindow::QuestionCount; ++n)
        pictures << shell::HelpWindow::answerPicture(n);
    for (int i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(QImage::fromData(pictures[i]).size(), QSize(500, 500));
        EXPECT_EQ(format(pictures[i]), (i >= 1 && i <= 4) ? "jpeg" : "png");
        for (int j = 0; j < i; ++j) EXPECT_NE(pictures[i], pictures[j]) << "same as " << j;
    }
    EXPECT_TRUE(shell::HelpWindow::answerPicture(0).isEmpty());
    EXPECT_TRUE(shell::HelpWindow::answerPicture(9).isEmpty());
}

class HelpWindowTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QByteArray savedInstaller = qgetenv("TAVRO_SERIAL_ACCESS");
    FakeDesktop desktop;
    shell::HelpWindow window{desktop};
    QList<Box> boxes() const
    {
        QList<Box> out;
        for (const FakeDesktop::Box &box : desktop.boxes) {
            EXPECT_EQ(box.buttons, shell::BoxButtons::Ok);
            out << Box{box.text, box.caption};
        }
        return out;
    }

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        useInstaller(path(u"missing"_s));
    }
    void TearDown() override
    {
        if (savedInstaller.isNull())
            qunsetenv("TAVRO_SERIAL_ACCESS");
        else
            qputenv("TAVRO_SERIAL_ACCESS", savedInstaller);
    }

    QString path(const QString &name) const { return folder.filePath(name); }
    bool exists(const QString &name) const { return QFile::exists(path(name)); }
    void useInstaller(const QString &file) { qputenv("TAVRO_SERIAL_ACCESS", file.toLocal8Bit()); }
    // Touches "started", waits (bounded) for the test to create "go", touches "marker".
    void writeInstaller(QFile::Permissions permissions = QFile::ReadOwner | QFile::ExeOwner)
    {
        QFile script(path(u"installer"_s));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(
            "#!/bin/sh\n"
            "cd \"$(dirname \"$0\")\" || exit 9\n"
            "touch started\n"
            "i=0\n"
            "while [ ! -e go ]; do\n"
            "  i=$((i + 1)); [ $i -gt 1200 ] && exit 9\n"
            "  sleep 0.05\n"
            "done\n"
            "touch marker\n"
            "exit 3\n");
        script.close();
        ASSERT_TRUE(script.setPermissions(permissions | QFile::WriteOwner));
        useInstaller(script.fileName());
    }
    void release(int question, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(unit(window, u"标签%1"_s.arg(question)), button);
    }
    void doubleClickPicture() { QTest::mouseDClick(unit(window, u"图片框1"_s), Qt::LeftButton); }
    // The picture box shows the picture this file holds.
    testing::AssertionResult shows(const QByteArray &file)
    {
        const auto pixels = [](const QImage &image) {
            return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        const QImage shown = pixels(unit<QLabel>(window, u"图片框1"_s)->pixmap().toImage());
        if (shown == pixels(QImage::fromData(file))) return testing::AssertionSuccess();
        return testing::AssertionFailure() << "another picture";
    }
};

const Box Instruction{u"等下有一个窗口跳出来，点击 安装 按钮，等待一下 就安装好了。"_s,
                      u"怎么安装驱动？"_s};
const Box Failure{u"安装失败，请关闭本软件，然后右键选择 以管理员身份运行 "_s, u"安装失败！"_s};

TEST_F(HelpWindowTest, OpensOnTheStartPictureAtItsNaturalSize)
{
    EXPECT_TRUE(shows(shell::HelpWindow::helpStartPicture()));
    EXPECT_EQ(unit<QLabel>(window, u"图片框1"_s)->pixmap().size(), QSize(500, 500));
}

TEST_F(HelpWindowTest, EachQuestionShowsItsAnswerAndAgainOnASecondRelease)
{
    for (int n = 1; n <= shell::HelpWindow::QuestionCount; ++n) {
        release(n);
        EXPECT_TRUE(shows(shell::HelpWindow::answerPicture(n))) << n;
    }
    release(3);
    release(3);
    EXPECT_TRUE(shows(shell::HelpWindow::answerPicture(3)));
    release(5, Qt::RightButton);
    EXPECT_TRUE(shows(shell::HelpWindow::answerPicture(3))) << "left button only";
    QTest::mouseRelease(unit(window, u"分组框1"_s), Qt::LeftButton);
    EXPECT_TRUE(shows(shell::HelpWindow::answerPicture(3)));
    EXPECT_TRUE(desktop.boxes.isEmpty());
}

TEST(HelpWindowLayout, EveryQuestionIsShownWhole)
{
    shell::installFontSubstitutions();
    FakeDesktop desktop;
    shell::HelpWindow window(desktop);
    for (int n = 1; n <= shell::HelpWindow::QuestionCount; ++n) {
        const auto *label = unit<QLabel>(window, u"标签%1"_s.arg(n));
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << n;
        EXPECT_LE(label->geometry().bottom(), unit(window, u"分组框1"_s)->height()) << n;
    }
    EXPECT_TRUE(unit<QLabel>(window, u"标签8"_s)->text().endsWith(u"\n不要随意中差评！"_s));
}

TEST_F(HelpWindowTest, DoubleClickOnAnyPictureButAnswerOneDoesNothing)
{
    writeInstaller();
    doubleClickPicture();
    for (int n = 2; n <= shell::HelpWindow::QuestionCount; ++n) {
        release(n);
        doubleClickPicture();
    }
    EXPECT_TRUE(desktop.boxes.isEmpty());
    EXPECT_FALSE(exists(u"started"_s));
}

TEST_F(HelpWindowTest, AnswerOneExplainsThenRunsTheInstallerWithTheWindowAlive)
{
    writeInstaller();
    release(2);
    release(1);
    desktop.onBox = [this] {
        EXPECT_FALSE(exists(u"started"_s)) << "the box comes before the installer";
    };
    // Runs only if events are handled while the installer runs; it lets the installer end.
    bool enabledDuringWait = true;
    QTimer::singleShot(0, &window, [&] {
        enabledDuringWait = window.isEnabled();
        window.installDriverFromHelp();  // no second installer while one runs
        QFile go(path(u"go"_s));
        EXPECT_TRUE(go.open(QIODevice::WriteOnly));
    });
    doubleClickPicture();

    EXPECT_TRUE(exists(u"marker"_s)) << "the installer ran to its end";
    EXPECT_EQ(boxes(), QList<Box>{Instruction}) << "its exit code 3 is not looked at";
    EXPECT_FALSE(enabledDuringWait);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_TRUE(window.close()) << "the wait is over";
    EXPECT_TRUE(shows(shell::HelpWindow::answerPicture(1)));
}

class HelpWindowBrokenInstaller : public HelpWindowTest,
                                  public ::testing::WithParamInterface<const char *> {};

TEST_P(HelpWindowBrokenInstaller, ShowsTheFailureBoxAndStaysUsable)
{
    const QString kind = QString::fromLatin1(GetParam());
    if (kind == u"NotExecutable"_s) writeInstaller(QFile::ReadOwner);
    if (kind == u"Folder"_s) {
        ASSERT_TRUE(QDir(folder.path()).mkdir(u"installer"_s));
        useInstaller(path(u"installer"_s));
    }
    release(1);
    window.installDriverFromHelp();
    EXPECT_EQ(boxes(), (QList<Box>{Instruction, Failure}));
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(exists(u"started"_s));
    EXPECT_TRUE(shows(shell::HelpWindow::answerPicture(1)));
}

INSTANTIATE_TEST_SUITE_P(Kinds, HelpWindowBrokenInstaller,
                         ::testing::Values("Missing", "NotExecutable", "Folder"));

TEST_F(HelpWindowTest, TheScrollBarChangesNothing)
{
    release(4);
    auto *bar = unit<QScrollBar>(window, u"纵向滚动条1"_s);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->setValue(bar->maximum());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    EXPECT_TRUE(shows(shell::HelpWindow::answerPicture(4)));
    EXPECT_TRUE(desktop.boxes.isEmpty());
}

TEST_F(HelpWindowTest, TheInstallerIsNamedByTheEnvironmentOrFoundOnlyWhereInstalled)
{
    useInstaller(u"/opt/elsewhere/grant-access"_s);
    EXPECT_EQ(shell::HelpWindow::driverInstallerPath(), u"/opt/elsewhere/grant-access"_s);
    qunsetenv("TAVRO_SERIAL_ACCESS");
    // Even with no installed helper beside it, the program never falls back to a build folder.
    EXPECT_EQ(shell::HelpWindow::driverInstallerPath(),
              QDir::cleanPath(QCoreApplication::applicationDirPath() +
                              u"/../libexec/tavro/tavro-serial-access"_s));
}

// --- The Ctrl-release rule ---

struct ModifierCase {
    Qt::KeyboardModifiers modifiers;
    bool opens;
};

class OpensHelpTest : public ::testing::TestWithParam<ModifierCase> {};

TEST_P(OpensHelpTest, OnlyCtrlAloneOpensHelp)
{
    EXPECT_EQ(shell::opensHelp(GetParam().modifiers), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(
    KeyStates, OpensHelpTest,
    ::testing::Values(ModifierCase{Qt::NoModifier, false}, ModifierCase{Qt::ControlModifier, true},
                      ModifierCase{Qt::ControlModifier | Qt::ShiftModifier, false},
                      ModifierCase{Qt::ControlModifier | Qt::AltModifier, false},
                      ModifierCase{Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier,
                                   false},
                      ModifierCase{Qt::ShiftModifier, false}, ModifierCase{Qt::AltModifier, false},
                      // Only Ctrl, Shift and Alt make up the key state.
                      ModifierCase{Qt::ControlModifier | Qt::MetaModifier, true},
                      ModifierCase{Qt::ControlModifier | Qt::KeypadModifier, true}));

}  // namespace
