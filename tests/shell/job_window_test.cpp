// Job files through the real window: saved and opened exactly, opened by a drop, refused whole.
#include "document/job_file.h"
#include "file_size_limit.h"
#include "menu_fixture.h"
#include "outcome_assert.h"
#include "render/effect_board.h"
#include "render/picture_tuning.h"
#include "render/upload_raster.h"
#include "settings/settings_folder.h"
#include "ui/effect_chooser_window.h"
#include "ui/preview_board.h"
#include "ui/text_engraving.h"
#include "ui/tuning_strip.h"

#include <QBuffer>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>

using namespace tavro;
using namespace tavro::test;
using shell::MainMenu;

namespace {

const render::PictureTuning Tuned{.grey = render::GreySource::Luma,
                                  .contrast = 40,
                                  .invert = true,
                                  .method = render::Effect::Atkinson};
const document::TextFontSettings Font{.name = u"Liberation Serif"_s, .size = 24, .bold = true};

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class JobWindowTest : public MenuTest {
protected:
    // A chosen rendering, then what the board collects after it: the machine's trace over it
    // (never in a saved job), a Zoom Out.
    void prepareJob()
    {
        QImage rendering = render::blankBoard();
        for (int y = 0; y < 490; y += 2)
            for (int x = y % 3; x < 490; x += 5) rendering.setPixel(x, y, qRgb(0, 0, 0));
        session().placeRendering(rendering);
        line.deliver(bytes({0xFF, 0x04, 0x02, 0x00, 0xFF, 0x03, 0x02, 0x01}));  // (200, 200)
        ASSERT_EQ(panel().board().shownImage().pixel(200, 200), qRgb(255, 0, 0));
        session().command(session::CommandId::ZoomOut).trigger();
        session().burnTimeReleased(77);
        session().chooseFont(Font);
        session().setTuning(Tuned);
    }
    // What the machine gets when it asks for the block.
    QByteArray sentRaster()
    {
        identify();
        line.blocks.clear();
        QTest::mouseClick(unit(u"按钮发送数据"_s), Qt::LeftButton);
        line.deliver(bytes({0xFF, 0x05, 0x00, 0x00}));
        clock.advance(std::chrono::milliseconds(5));
        return line.blocks.value(0);
    }
    QByteArray fileBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeBytes(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A real drop, over the menu bar: the whole window takes files.
    void dropOnWindow(const QString &path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPointF at(400, 5);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&mainWindow(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&mainWindow(), &drop);
    }
};

TEST_F(JobWindowTest, ASavedJobOpensAgainExactly)
{
    prepareJob();
    const QImage board = session().document().board();
    const QImage remembered = session().document().rememberedImage();
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x)
            ASSERT_EQ(qRed(board.pixel(x, y)), qBlue(board.pixel(x, y)))
                << "no red trace in the job";
    const QByteArray raster = sentRaster();
    answers = {home.filePath(u"cat"_s)};
    action(MainMenu::SaveJobAs).trigger();
    const QString path = home.filePath(u"cat.tavro.png"_s);
    ASSERT_TRUE(document::isJobFile(path));
    EXPECT_EQ(session().document().path(), path);
    EXPECT_EQ(storedRecent(), QStringList{path});

    start();  // the next session, with other choices made meanwhile
    settings::ProfileFile config(settings::settingsFilePath(folder));
    render::savePictureTuning(config, {});
    ASSERT_NE(session().document().board(), board);
    answers = {path};
    action(MainMenu::OpenJob).trigger();
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxes.value(0).text.toStdString();
    EXPECT_EQ(session().document().board(), board) << "never refitted";
    EXPECT_EQ(render::packUploadRaster(session().document().board()), raster);
    EXPECT_EQ(sentRaster(), raster);
    EXPECT_FALSE(panel().chooser().isVisible());
    EXPECT_EQ(unit<QSlider>(u"滑块条1"_s)->value(), 77);
    EXPECT_EQ(caption(u"标签灼烧时间值"_s), u"77"_s);
    EXPECT_EQ(session().document().font().toFont(), Font.toFont());
    EXPECT_EQ(session().document().tuning(), Tuned);
    EXPECT_EQ(unitIn<ui::TuningStrip>(panel().chooser()).tuning(), Tuned)
        << "the strip shows the job's";
    EXPECT_EQ(render::loadPictureTuning(config), render::PictureTuning())
        << "the last choice is the operator's, not the job's";
    QTest::mouseClick(unit(u"按钮重载"_s), Qt::LeftButton);
    EXPECT_EQ(session().document().board(), remembered) << "Reload brings back the rendering";
}

TEST_F(JobWindowTest, DroppedOrNamedJobFilesOpenAsJobsByTheirContent)
{
    prepareJob();
    const QImage board = session().document().board();
    const QString plainName = home.filePath(u"looks-like-a-picture.png"_s);
    ASSERT_TRUE(isDone(document::writeJobFile(plainName, session().document().toJobFile())));

    start();
    dropOnWindow(plainName);
    EXPECT_EQ(session().document().board(), board);
    EXPECT_FALSE(panel().chooser().isVisible());

    start();
    mainWindow().dropFiles(plainName);  // as main() hands over a file named on the command line
    EXPECT_EQ(session().document().board(), board);

    const QString picturePath = home.filePath(u"not-a-job.tavro.png"_s);
    ASSERT_TRUE(board.save(picturePath));
    dropOnWindow(picturePath);
    EXPECT_TRUE(panel().chooser().isVisible()) << "a picture with a job's name is a picture";
    EXPECT_EQ(panel().chooser().picturePath(), picturePath);
}

TEST_F(JobWindowTest, ABadJobSaysWhyAndChangesNothing)
{
    prepareJob();
    const QByteArray good = document::encodeJobFile(session().document().toJobFile());
    document::JobFile newer = session().document().toJobFile();
    QImage newerBoard = newer.board;
    newerBoard.setText(u"TavroJob"_s, u"7"_s);
    const struct {
        const char16_t *name;
        QByteArray bytes;
        const char16_t *says;
    } files[] = {
        {u"damaged.tavro.png", good.first(good.size() - 200), u"is damaged"},
        {u"newer.tavro.png", pngOf(newerBoard), u"newer Tavro Laser (job format 7)"},
        {u"plain.png", pngOf(newer.board), u"is a picture, not a Tavro Laser job"},
        {u"notes.tavro.png", "just text", u"is not a Tavro Laser job"},
    };
    const QImage board = session().document().board();
    const QByteArray settings = fileBytes(configPath);
    for (const auto &f : files) {
        const QString path = home.filePath(QString::fromUtf16(f.name));
        writeBytes(path, f.bytes);
        desktop.boxes.clear();
        answers = {path};
        action(MainMenu::OpenJob).trigger();
        ASSERT_EQ(desktop.boxes.size(), 1) << path.toStdString();
        EXPECT_EQ(desktop.boxes[0].caption, u"Open Job"_s);
        EXPECT_TRUE(desktop.boxes[0].text.contains(QString::fromUtf16(f.says)))
            << desktop.boxes[0].text.toStdString();
        EXPECT_TRUE(desktop.boxes[0].text.contains(path));
        EXPECT_EQ(session().document().board(), board);
        EXPECT_EQ(unit<QSlider>(u"滑块条1"_s)->value(), 77);
        EXPECT_EQ(fileBytes(configPath), settings);
        EXPECT_TRUE(session().document().path().isEmpty());
    }
    desktop.boxes.clear();
    dropOnWindow(home.filePath(u"damaged.tavro.png"_s));
    EXPECT_EQ(desktop.boxes.size(), 1) << "a damaged job dropped is still a job";
    EXPECT_FALSE(panel().chooser().isVisible());
}

TEST_F(JobWindowTest, SaveKeepsTheJobsNameUntilANewPictureComes)
{
    panel().dropFiles(picture(u"cat.png"_s));
    prepareJob();  // its rendering is the choice
    panel().chooser().close();
    action(MainMenu::SaveJob).trigger();  // no name yet
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].first, Question::SaveJob);
    EXPECT_EQ(asked[0].second, home.filePath(u"cat.tavro.png"_s)) << "named after the picture";

    const QString path = home.filePath(u"job.tavro.png"_s);
    answers = {path};
    action(MainMenu::SaveJobAs).trigger();
    EXPECT_EQ(mainWindow().windowTitle(), u"job.tavro.png[*] — Tavro Laser CNC Software V1.1.0"_s);
    EXPECT_FALSE(mainWindow().isWindowModified());
    session().command(session::CommandId::Rotate).trigger();
    EXPECT_TRUE(mainWindow().isWindowModified()) << "the board changed since it was saved";
    session().burnTimeReleased(12);
    action(MainMenu::SaveJob).trigger();
    EXPECT_EQ(asked.size(), 2) << "saved under its name without asking";
    EXPECT_EQ(document::readJobFile(path).job.burnTime, 12);
    EXPECT_FALSE(mainWindow().isWindowModified());

    mainWindow().dropFiles(picture(u"dog.png"_s));
    panel().chooser().close();
    action(MainMenu::SaveJob).trigger();
    EXPECT_EQ(asked.size(), 2) << "a picture dropped but not chosen changes nothing";

    mainWindow().dropFiles(picture(u"dog.png"_s));
    session().placeRendering(render::blankBoard());
    action(MainMenu::SaveJob).trigger();
    EXPECT_EQ(asked.size(), 3) << "a new picture is a new job";
}

TEST_F(JobWindowTest, AFailedSaveSaysSoAndKeepsWhatWasThere)
{
    prepareJob();
    writeBytes(home.filePath(u"notafolder"_s), "x");
    answers = {home.filePath(u"notafolder/job.tavro.png"_s)};
    EXPECT_FALSE(mainWindow().saveJobAs());
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxes[0].caption, u"Save Job"_s);
    EXPECT_TRUE(desktop.boxes[0].text.contains(u"could not be saved"_s));
    EXPECT_TRUE(session().document().path().isEmpty());
    EXPECT_TRUE(storedRecent().isEmpty());

    const QString path = home.filePath(u"job.tavro.png"_s);
    answers = {path};
    ASSERT_TRUE(mainWindow().saveJobAs());
    const QByteArray saved = fileBytes(path);
    session().command(session::CommandId::Rotate).trigger();
    {
        const FileSizeLimit fullDisk(1024);
        EXPECT_FALSE(mainWindow().saveJob());
    }
    EXPECT_EQ(desktop.boxes.size(), 2);
    EXPECT_EQ(fileBytes(path), saved);

    answers = {home.filePath(u"board"_s)};
    action(MainMenu::ExportBoard).trigger();
    const QImage exported(home.filePath(u"board.png"_s));
    EXPECT_EQ(exported.convertToFormat(QImage::Format_RGB32), session().document().board());
    EXPECT_FALSE(document::isJobFile(home.filePath(u"board.png"_s)));
}

TEST_F(JobWindowTest, OpeningAJobSendsItsBurnTimeToAConnectedMachine)
{
    prepareJob();
    const QString path = home.filePath(u"job.tavro.png"_s);
    ASSERT_TRUE(isDone(document::writeJobFile(path, session().document().toJobFile())));
    start();
    line.writes.clear();
    mainWindow().dropFiles(path);
    EXPECT_TRUE(line.writes.isEmpty()) << "no machine, nothing sent";
    identify();
    mainWindow().dropFiles(path);
    EXPECT_EQ(line.writes, QList<QByteArray>{bytes({0xFF, 0x05, 77, 0x00})});
}

}  // namespace
