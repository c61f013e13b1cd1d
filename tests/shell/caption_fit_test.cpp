// Every caption of the main, settings and help windows shows whole in all six languages:
// the text the style really draws, measured against the area it draws it into.
#include "ui/caption_fit.h"
#include "caption_placement.h"
#include "fake_desktop.h"
#include "session_fixture.h"
#include "shell/captions.h"
#include "shell/help_window.h"
#include "shell/settings_window.h"
#include "shell_fixture.h"
#include "text_recorder.h"

#include <QFontInfo>
#include <QFontMetricsF>

using namespace tavro;
using namespace tavro::test;

namespace {

QString withoutBlanks(QString text)
{
    text.remove(QRegularExpression(u"\\s"_s));
    return text;
}

bool isLatinLetter(QChar c)
{
    return c.isLetter() && c.script() == QChar::Script_Latin;
}

// What is wrong with how the unit shows its caption; nothing when it shows whole.
QStringList problemsOf(QWidget &unit)
{
    const std::optional<CaptionPlacement> place = placeCaption(unit);
    if (!place || place->text.trimmed().isEmpty()) return {};
    const QList<DrawnText> drawn = TextRecorder::textOf(unit);
    QStringList problems;
    // Ink measures to whole pixels; a glyph may reach a pixel into the margin beside it.
    const QRectF area = QRectF(place->area).adjusted(-1, -1, 1, 1);
    QMap<int, QString> lines;  // by baseline, left to right
    QString shown;
    for (const DrawnText &run : drawn) {
        const QRectF ink =
            QFontMetricsF(run.font).tightBoundingRect(run.text).translated(run.baseline);
        if (!area.contains(ink))
            problems << u"\"%1\" at %2,%3 %4x%5 leaves %6,%7 %8x%9"_s.arg(run.text)
                            .arg(ink.x())
                            .arg(ink.y())
                            .arg(ink.width())
                            .arg(ink.height())
                            .arg(area.x())
                            .arg(area.y())
                            .arg(area.width())
                            .arg(area.height());
        if (const int pixels = QFontInfo(run.font).pixelSize(); pixels < ui::SmallestCaptionPixels)
            problems << u"\"%1\" drawn at %2 px"_s.arg(run.text).arg(pixels);
        lines[qRound(run.baseline.y())] += run.text;
        shown += run.text;
    }
    if (withoutBlanks(shown) != withoutBlanks(place->text))
        problems << u"shows \"%1\" of \"%2\""_s.arg(shown, place->text);
    // Lines end at a blank of the caption, or between letters that are no word's.
    const QString caption = place->text.simplified();
    const QStringList rows = lines.values();
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QString before = rows[i - 1].trimmed(), after = rows[i].trimmed();
        if (before.isEmpty() || after.isEmpty() || caption.contains(before + u' ' + after))
            continue;
        if (isLatinLetter(before.back()) && isLatinLetter(after.front()))
            problems << u"breaks a word: \"%1\" / \"%2\""_s.arg(before, after);
    }
    return problems;
}

// Every captioned unit of the window, the window itself left out.
QStringList problemsIn(QWidget &window, const QString &context)
{
    QStringList problems;
    for (QWidget *unit : window.findChildren<QWidget *>()) {
        for (const QString &problem : problemsOf(*unit))
            problems << context + u" "_s + unit->objectName() + u": "_s + problem;
    }
    return problems;
}

class CaptionFitTest : public ShellTest {
protected:
    void SetUp() override { startProgram(); }
};

TEST_F(CaptionFitTest, EveryMainWindowCaptionShowsWholeInEveryLanguage)
{
    QStringList problems;
    auto *combo = unit<QComboBox>(u"组合框语言"_s);
    for (int language = 0; language < shell::LanguageCount; ++language) {
        combo->setCurrentIndex(language);
        problems << problemsIn(panel(), combo->itemText(language));
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

TEST_F(CaptionFitTest, CaptionsThatChangeWhileRunningShowWholeToo)
{
    QStringList problems;
    for (const QString &caption : {u"Connecting..."_s, u"Connect"_s, u"OK"_s}) {
        unit<QAbstractButton>(u"按钮连接"_s)->setText(caption);
        problems << problemsOf(*unit(u"按钮连接"_s));
    }
    unit<QLabel>(u"标签时间值"_s)->setText(u" 100:00"_s);  // a job of 100 minutes
    problems << problemsOf(*unit(u"标签时间值"_s));
    line.deliver(bytes({0xFF, 0x0A, 0x01, 0x32}));  // 150, set with the machine's own button
    problems << problemsOf(*unit(u"标签灼烧时间值"_s));
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

TEST_F(CaptionFitTest, TheSettingsAndHelpWindowsShowTheirCaptionsWhole)
{
    SessionParts parts;
    FakeDesktop desktop;
    shell::SettingsWindow settings(parts.session, desktop);
    shell::HelpWindow help(desktop);
    const QStringList problems = problemsIn(settings, u"settings"_s) + problemsIn(help, u"help"_s);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

}  // namespace
