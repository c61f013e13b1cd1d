// The menu bar through the real window: its place, the machine's entries, shortcuts, files,
// the recent list, languages and About.
#include "menu_fixture.h"
#include "outcome_assert.h"
#include "shell/board_editing.h"
#include "shell/help_window.h"
#include "shell/settings_window.h"
#include "shell/user_guide_window.h"
#include "ui/effect_chooser_window.h"
#include "ui/tuning_strip.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>

using namespace tavro;
using namespace tavro::test;
using shell::MainMenu;

namespace {

QStringList titles(const QMenuBar &bar)
{
    QStringList out;
    for (const QAction *menu : bar.actions()) out << menu->text();
    return out;
}

// Closes whatever modal window opens and names it.
class ModalCloser {
public:
    ModalCloser()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (qobject_cast<shell::HelpWindow *>(modal)) opened << u"help"_s;
            if (qobject_cast<shell::SettingsWindow *>(modal)) opened << u"settings"_s;
            if (modal) modal->close();
        });
        m_timer.start(20);
    }
    QStringList opened;

private:
    QTimer m_timer;
};

// The letter after '&' that opens an entry with Alt, in upper case; none without one.
QChar altKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] != u'&') return text[i + 1].toUpper();
        ++i;  // "&&" is a written '&'
    }
    return {};
}

// Every pair of entries of one menu level that share an Alt key, in this level and below.
void findAltKeyClashes(const QString &where, const QList<QAction *> &entries, QStringList &clashes)
{
    QHash<QChar, QString> taken;
    for (const QAction *entry : entries) {
        if (entry->isSeparator()) continue;
        if (const QChar key = altKey(entry->text()); !key.isNull()) {
            if (taken.contains(key))
                clashes << u"%1: \"%2\" and \"%3\" share Alt+%4"_s.arg(where, taken[key],
                                                                       entry->text(), key);
            else
                taken.insert(key, entry->text());
        }
        if (const QMenu *menu = entry->menu())
            findAltKeyClashes(where + u" > "_s + entry->text(), menu->actions(), clashes);
    }
}

// Whatever menus and entries there are: an Alt key opens one thing on each level.
TEST_F(MenuTest, EveryMenuLevelHasItsOwnAltKeysInEveryLanguage)
{
    ASSERT_TRUE(isDone(session().savePreset({.name = u"Cork & oak"_s})));
    auto *combo = unit<QComboBox>(u"组合框语言"_s);
    QStringList clashes;
    for (int language : {1, 2, 3, 4, 5, 0}) {
        combo->setCurrentIndex(language);
        QCoreApplication::processEvents();  // the language change reaches windows as an event
        findAltKeyClashes(combo->itemText(language), mainWindow().menuBar()->actions(), clashes);
    }
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(u'\n').toStdString();
}

TEST_F(MenuTest, TheLayoutKeepsItsSizeAndPlacesUnderTheMenuBar)
{
    shell::MainWindow &app = mainWindow();
    app.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&app));
    const int bar = app.menuBar()->height();
    EXPECT_GT(bar, 10);
    EXPECT_FALSE(panel().isWindow());
    EXPECT_EQ(panel().geometry(), QRect(0, bar, 1019, 655));
    // The status bar below: the window grows by its height, the layout stays put.
    QStatusBar *status = app.statusBar();
    EXPECT_EQ(status, &program->statusBar());
    // And the board's bar between them.
    const int boardBar = unitIn<QToolBar>(app, u"boardBar"_s).height();
    EXPECT_EQ(app.size(), QSize(1019, 655 + bar + boardBar + status->height()));
    EXPECT_EQ(app.minimumSize(), app.maximumSize()) << "not resizable";
    EXPECT_EQ(app.windowTitle(), u"Tavro Laser CNC Software V1.1.0"_s);
    EXPECT_FALSE(app.windowIcon().isNull());
    EXPECT_FALSE(app.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(titles(*app.menuBar()),
              (QStringList{u"&File"_s, u"&Edit"_s, u"&Machine"_s, u"&View"_s, u"&Help"_s}));

    // Another status bar slots in the same way.
    auto *other = new QStatusBar;
    app.setStatusBar(other);
    other->showMessage(u"Ready"_s);
    QTRY_COMPARE(app.height(), 655 + bar + boardBar + other->height());
    EXPECT_EQ(panel().geometry(), QRect(0, bar, 1019, 655));
}

TEST_F(MenuTest, MachineEntriesAreUsableExactlyWhenTheirButtonsAre)
{
    const std::pair<session::CommandId, QPushButton *> pairs[] = {
        {session::CommandId::Connect, unit<QPushButton>(u"按钮连接"_s)},
        {session::CommandId::Break, unit<QPushButton>(u"按钮断开"_s)},
        {session::CommandId::SendImage, unit<QPushButton>(u"按钮发送数据"_s)},
        {session::CommandId::Start, unit<QPushButton>(u"按钮开始"_s)},
        {session::CommandId::Pause, unit<QPushButton>(u"按钮暂停"_s)},
        {session::CommandId::Restart, unit<QPushButton>(u"按钮重启"_s)},
        {session::CommandId::PowerOff, unit<QPushButton>(u"按钮关机"_s)},
        {session::CommandId::Settings, unit<QPushButton>(u"按钮设置"_s)}};
    const auto follows = [&](const char *when) {
        for (const auto &[command, button] : pairs) {
            const int id = int(command);
            EXPECT_EQ(action(command).isVisible(), !button->isHidden()) << when << " " << id;
            if (!button->isHidden()) {  // a hidden entry cannot be chosen at all
                EXPECT_EQ(action(command).isEnabled(), button->isEnabled()) << when << " " << id;
            }
        }
    };
    follows("at start");
    EXPECT_FALSE(action(session::CommandId::Start).isEnabled());
    identify();
    follows("identified");
    EXPECT_TRUE(action(session::CommandId::Start).isEnabled());
    EXPECT_FALSE(action(session::CommandId::Connect).isEnabled());
    panel().dropFiles(picture(u"cat.png"_s));
    follows("after a drop");
    EXPECT_TRUE(action(session::CommandId::SendImage).isEnabled());
    EXPECT_FALSE(action(session::CommandId::Settings).isEnabled());
    session().command(session::CommandId::Clear).trigger();
    line.deliver(bytes({0xFF, 0x02, 0x01, 0x00}));  // firmware 1: no power-off button
    follows("firmware 1");
    EXPECT_FALSE(action(session::CommandId::PowerOff).isVisible());
    QTest::mouseClick(unit(u"按钮断开"_s), Qt::LeftButton);
    follows("broken");
    EXPECT_TRUE(action(session::CommandId::Connect).isEnabled());
}

TEST_F(MenuTest, MachineEntriesDoWhatTheirButtonsDo)
{
    identify();
    for (const auto &[command, button] :
         {std::pair{session::CommandId::Start, unit(u"按钮开始"_s)},
          std::pair{session::CommandId::Pause, unit(u"按钮暂停"_s)},
          std::pair{session::CommandId::SendImage, unit(u"按钮发送数据"_s)}}) {
        const qsizetype logged = panel().log().content().size();
        line.writes.clear();
        action(command).trigger();
        const QList<QByteArray> viaMenu = line.writes;
        const QString menuLog = panel().log().content().sliced(logged);
        line.writes.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_FALSE(viaMenu.isEmpty()) << int(command);
        EXPECT_EQ(viaMenu, line.writes) << int(command);
        EXPECT_EQ(menuLog, panel().log().content().sliced(logged + menuLog.size())) << int(command);
    }

    desktop.boxAnswer = 1;  // Cancel
    action(session::CommandId::PowerOff).trigger();
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_TRUE(desktop.boxes[0].text.endsWith(u"Determine shutdown?"_s));
    EXPECT_EQ(desktop.quits, 0);

    ModalCloser closer;
    action(session::CommandId::Settings).trigger();
    EXPECT_EQ(closer.opened, QStringList{u"settings"_s});

    action(session::CommandId::Break).trigger();
    EXPECT_EQ(caption(u"按钮连接"_s), u"Connect"_s);
    action(session::CommandId::Connect).trigger();
    EXPECT_EQ(caption(u"按钮连接"_s), u"Connecting..."_s);

    panel().dropFiles(picture(u"cat.png"_s));  // only the picture controls stay usable
    line.writes.clear();
    action(session::CommandId::Start).trigger();
    EXPECT_TRUE(line.writes.isEmpty()) << "a disabled entry does nothing";
}

TEST_F(MenuTest, ShortcutsReachTheirEntries)
{
    shell::MainWindow &app = mainWindow();
    app.show();
    app.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app));
    QTest::keyClick(&app, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&app, Qt::Key_S, Qt::ControlModifier);  // no job file yet: Save As
    QTest::keyClick(&app, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(asked.size(), 3);
    EXPECT_EQ(asked[0].first, Question::OpenPicture);
    EXPECT_EQ(asked[1].first, Question::SaveJob);
    EXPECT_EQ(asked[2].first, Question::SaveJob);
    QTest::keyClick(&app, Qt::Key_F1);
    auto *guide = app.findChild<shell::UserGuideWindow *>();
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_FALSE(guide->isModal()) << "read while working";
    app.activateWindow();  // back from the guide
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app));
    QTest::keyClick(&app, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(desktop.quits, 1) << "Quit closes the window, and the program ends with it";
}

TEST_F(MenuTest, OpenPictureActsLikeADrop)
{
    identify();
    const QString path = picture(u"cat.png"_s);
    action(MainMenu::OpenPicture).trigger();  // cancelled
    EXPECT_FALSE(panel().chooser().isVisible());
    EXPECT_EQ(enabledMachineControls().size(), 21);

    answers = {path};
    line.writes.clear();
    action(MainMenu::OpenPicture).trigger();
    EXPECT_EQ(asked.last().first, Question::OpenPicture);
    EXPECT_TRUE(panel().chooser().isVisible());
    EXPECT_EQ(panel().chooser().picturePath(), path);
    EXPECT_EQ(line.writes, QList<QByteArray>{bytes({0xFF, 0x01, 0x02, 0x00})}) << "paused";
    EXPECT_EQ(enabledMachineControls(), (QStringList{u"按钮发送数据"_s, u"按钮清除"_s,
                                                     u"按钮缩小"_s, u"按钮旋转"_s, u"按钮重载"_s}));
    EXPECT_EQ(storedRecent(), QStringList{path});

    // A second drop, then Escape: nothing chosen, so the controls are as before the first.
    mainWindow().dropFiles(picture(u"dog.png"_s));
    QTest::keyClick(&panel().chooser(), Qt::Key_Escape);
    EXPECT_FALSE(panel().chooser().isVisible());
    EXPECT_EQ(enabledMachineControls().size(), 21);
    EXPECT_TRUE(session().document().picturePath().isEmpty());

    // A choice is a new picture: it must be sent before the machine may start.
    mainWindow().dropFiles(path);
    clock.advance(ui::EffectChooserWindow::TaskInterval);
    panel().chooser().chooseBlackWhite();
    EXPECT_EQ(enabledMachineControls().size(), 5);
    EXPECT_EQ(session().document().picturePath(), path);
}

TEST_F(MenuTest, AFileThatIsNoPictureIsRefusedAtOnceAndNotRemembered)
{
    const QString path = home.filePath(u"notes.png"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("these are not the bytes of a picture");
    file.close();
    const QImage board = session().document().board();

    mainWindow().dropFiles(path);

    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_TRUE(desktop.boxes[0].text.startsWith(u"notes.png cannot be opened as a picture: "_s))
        << desktop.boxes[0].text.toStdString();
    EXPECT_EQ(desktop.boxes[0].caption, u"Open Picture"_s);
    EXPECT_FALSE(panel().chooser().isVisible());
    EXPECT_EQ(session().document().board(), board);
    EXPECT_TRUE(storedRecent().isEmpty());
}

TEST_F(MenuTest, RecentFilesAreKeptNewestFirstAndLoseWhatIsGone)
{
    QStringList pictures;
    for (int i = 0; i < 12; ++i) pictures << picture(u"p%1.png"_s.arg(i));
    for (const QString &path : pictures) mainWindow().dropFiles(path);
    QStringList newest;
    for (int i = 11; i >= 2; --i) newest << pictures[i];
    EXPECT_EQ(storedRecent(), newest);
    const settings::ProfileFile stored(configPath);
    EXPECT_EQ(stored.read(u"RecentFiles"_s, u"File1"_s, {}), pictures[11]);
    EXPECT_EQ(stored.read(u"RecentFiles"_s, u"File10"_s, {}), pictures[2]);

    start();
    EXPECT_EQ(recentEntries(), newest) << "kept for the next start";
    mainWindow().dropFiles(pictures[5]);
    EXPECT_EQ(storedRecent().first(), pictures[5]);
    EXPECT_EQ(storedRecent().size(), 10);

    QMenu &recent = mainWindow().menu().recentMenu();
    QFile::remove(pictures[11]);
    QFile::remove(pictures[10]);
    emit recent.aboutToShow();
    EXPECT_EQ(recent.actions().size(), 8);
    EXPECT_EQ(stored.read(u"RecentFiles"_s, u"File9"_s, u"unset"_s), QString());
    const auto entry = [&recent](const QString &path) -> QAction * {
        for (QAction *a : recent.actions())
            if (a->text().endsWith(path)) return a;
        return nullptr;
    };
    EXPECT_EQ(entry(pictures[11]), nullptr);

    // Gone after the menu was shown: said, and taken off.
    QFile::remove(pictures[9]);
    panel().chooser().close();
    ASSERT_NE(entry(pictures[9]), nullptr);
    entry(pictures[9])->trigger();
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_TRUE(desktop.boxes[0].text.contains(u"p9.png"_s));
    EXPECT_FALSE(storedRecent().contains(pictures[9]));
    EXPECT_FALSE(panel().chooser().isVisible());

    entry(pictures[8])->trigger();
    EXPECT_EQ(panel().chooser().picturePath(), pictures[8]) << "opened as a drop";
}

TEST_F(MenuTest, ADeepPathIsCutInItsMiddleAndWholeInItsTooltip)
{
    QString folder = home.path();
    for (int level = 0; level < 20; ++level) folder += u"/"_s + QString(190, QChar(u'a' + level));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + u"/cat.png"_s;
    ASSERT_TRUE(QFile::copy(picture(u"cat.png"_s), path));
    mainWindow().dropFiles(path);

    QMenu &recent = mainWindow().menu().recentMenu();
    emit recent.aboutToShow();
    QAction *entry = recent.actions().first();
    EXPECT_LT(entry->text().size(), 100);
    EXPECT_TRUE(entry->text().startsWith(u"&1  "_s + home.path().left(8)));
    EXPECT_TRUE(entry->text().endsWith(u"/cat.png"_s));
    EXPECT_EQ(entry->toolTip(), path);
    EXPECT_TRUE(recent.toolTipsVisible());
}

TEST_F(MenuTest, StoredRecentListsOfOddShapes)
{
    const QString a = picture(u"a.png"_s), b = picture(u"b.png"_s);
    store(u"RecentFiles"_s, u"File1"_s, u"relative/a.png"_s);
    store(u"RecentFiles"_s, u"File2"_s, a);
    store(u"RecentFiles"_s, u"File3"_s, a);
    store(u"RecentFiles"_s, u"File5"_s, b);
    store(u"RecentFiles"_s, u"File11"_s, picture(u"c.png"_s));
    start();
    EXPECT_EQ(recentEntries(), (QStringList{a, b}));
}

TEST_F(MenuTest, LanguageEntriesAndTheComboBoxFollowEachOther)
{
    auto *combo = unit<QComboBox>(u"组合框语言"_s);
    const QMenuBar &bar = *mainWindow().menuBar();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(mainWindow().menu().languageAction(i).text(), combo->itemText(i));
    EXPECT_TRUE(mainWindow().menu().languageAction(0).isChecked());

    mainWindow().menu().languageAction(3).trigger();
    EXPECT_EQ(combo->currentIndex(), 3);
    EXPECT_EQ(caption(u"按钮开始"_s), u"Démarrer"_s);
    EXPECT_EQ(storedLanguage(), u"3"_s);
    EXPECT_EQ(titles(bar), (QStringList{u"&Fichier"_s, u"É&dition"_s, u"&Machine"_s,
                                        u"Affic&hage"_s, u"&Aide"_s}));

    combo->setCurrentIndex(1);
    EXPECT_TRUE(mainWindow().menu().languageAction(1).isChecked());
    EXPECT_FALSE(mainWindow().menu().languageAction(3).isChecked());
    EXPECT_EQ(titles(bar), (QStringList{u"文件(&F)"_s, u"编辑(&E)"_s, u"雕刻机(&M)"_s,
                                        u"视图(&V)"_s, u"帮助(&H)"_s}));
    EXPECT_EQ(action(MainMenu::OpenPicture).text(), u"打开图片(&O)…"_s);

    // Every entry is translated in every language (some, like French "Pause", as the same word).
    combo->setCurrentIndex(0);
    for (const QString &locale : {u"zh_CN"_s, u"ja"_s, u"fr"_s, u"it"_s, u"de"_s}) {
        QTranslator translation;
        ASSERT_TRUE(translation.load(u":/i18n/tavro_"_s + locale));
        QList<QAction *> entries;
        for (int c = 0; c < MainMenu::CommandCount; ++c) entries << &action(MainMenu::Command(c));
        for (const session::CommandSpec &spec : session::commandTable())
            if (spec.menuText) entries << &action(spec.id);
        for (QAction *entry : entries) {
            const QByteArray source = entry->text().toUtf8();
            EXPECT_FALSE(translation.translate("tavro::shell::MainMenu", source).isEmpty())
                << locale.toStdString() << " " << source.toStdString();
        }
    }

    combo->setCurrentIndex(5);
    start();
    EXPECT_EQ(
        titles(*mainWindow().menuBar()),
        (QStringList{u"&Datei"_s, u"&Bearbeiten"_s, u"&Maschine"_s, u"&Ansicht"_s, u"&Hilfe"_s}))
        << "the stored language from the start";
    EXPECT_TRUE(mainWindow().menu().languageAction(5).isChecked());
}

TEST_F(MenuTest, TheUserGuideSpeaksTheWindowsLanguageAndTheHelpWindowStays)
{
    auto *combo = unit<QComboBox>(u"组合框语言"_s);
    combo->setCurrentIndex(2);
    action(MainMenu::UserGuide).trigger();
    auto *guide = mainWindow().findChild<shell::UserGuideWindow *>();
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(guide->browser().source().path(), u"/assets/guide/ja.html"_s);
    EXPECT_EQ(guide->windowTitle(), u"Tavro Laser ユーザーガイド"_s);
    combo->setCurrentIndex(5);
    QCoreApplication::processEvents();  // the language change reaches windows as an event
    EXPECT_EQ(guide->browser().source().path(), u"/assets/guide/de.html"_s);
    EXPECT_EQ(guide->windowTitle(), u"Tavro-Laser-Benutzerhandbuch"_s);
    guide->close();
    action(MainMenu::UserGuide).trigger();
    EXPECT_EQ(mainWindow().findChildren<shell::UserGuideWindow *>().size(), 1) << "one guide";

    ModalCloser closer;
    action(MainMenu::Help).trigger();
    EXPECT_EQ(closer.opened, QStringList{u"help"_s});
}

TEST_F(MenuTest, TheEffectChoosersTuningStripSpeaksTheChosenLanguage)
{
    const auto label = [this](int i) {
        return unitIn<ui::TuningStrip>(panel().chooser()).findChildren<QLabel *>().value(i)->text();
    };
    EXPECT_EQ(label(0), u"Grey from:"_s);
    unit<QComboBox>(u"组合框语言"_s)->setCurrentIndex(5);
    QCoreApplication::processEvents();  // the language change reaches windows as an event
    EXPECT_EQ(label(0), u"Grau aus:"_s);
    EXPECT_EQ(unitIn<ui::TuningStrip>(panel().chooser()).findChild<QPushButton *>()->text(),
              u"Zurücksetzen"_s);
}

TEST_F(MenuTest, AboutNamesTheVersionTheLicenceAndThePortInUse)
{
    action(MainMenu::About).trigger();
    ASSERT_EQ(desktop.abouts.size(), 1);
    EXPECT_EQ(desktop.abouts[0].first, u"About Tavro Laser"_s);
    for (const QString &part :
         {u"Tavro Laser " TAVRO_VERSION ""_s, u"Licence: MIT"_s, u"Serial port: not connected"_s})
        EXPECT_TRUE(desktop.abouts[0].second.contains(part)) << part.toStdString();

    identify(3);
    action(MainMenu::About).trigger();
    EXPECT_TRUE(desktop.abouts[1].second.contains(u"Serial port: COM3 (/dev/fake3)"_s))
        << desktop.abouts[1].second.toStdString();
}

}  // namespace
