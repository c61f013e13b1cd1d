// The whole road of a job: drop, choose, write text, send, start, carve, on the real window.
#include "engraver-sim/engraver_sim.h"
#include "fake_desktop.h"
#include "find_unit.h"
#include "platform/manual_clock.h"
#include "platform/qt_serial_line.h"
#include "qt_printers.h"
#include "render/upload_raster.h"
#include "shell/program.h"
#include "ui/effect_chooser_window.h"
#include "ui/preview_board.h"
#include "ui/render_panel.h"

#include <QAbstractButton>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using namespace tavro;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Patience = 30000;

class JobRoad : public ::testing::TestWithParam<bool> {
protected:
    QTemporaryDir dir;
    std::unique_ptr<sim::Engraver> machine;
    std::unique_ptr<platform::PortTable> table;
    std::unique_ptr<platform::QtSerialLine> line;
    std::unique_ptr<platform::PortTableLister> ports;
    platform::ManualClock clock;
    test::FakeDesktop desktop;
    std::unique_ptr<shell::Program> program;

    void SetUp() override
    {
        sim::EngraverOptions options;
        options.linkPath = dir.filePath(u"ttyRoad%1"_s.arg(QCoreApplication::applicationPid()));
        options.fast = true;
        options.eraseMs = 20;
        machine = std::make_unique<sim::Engraver>(options);
        ASSERT_TRUE(machine->start());
        table = std::make_unique<platform::PortTable>(QStringList{machine->devicePath()});
        line = std::make_unique<platform::QtSerialLine>(*table);
        ports = std::make_unique<platform::PortTableLister>(*table);
        program = std::make_unique<shell::Program>(
            shell::ProgramServices{*line, clock, *ports, *table, desktop},
            dir.filePath(u"Tavro"_s));
        program->onMainWindowCreated();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return program->session().machine().identified; }, Patience));
    }

    QString makePicture()
    {
        QImage picture(300, 200, QImage::Format_RGB32);
        QPainter painter(&picture);
        QLinearGradient ramp(0, 0, 300, 0);
        ramp.setColorAt(0, Qt::black);
        ramp.setColorAt(1, Qt::white);
        painter.fillRect(picture.rect(), ramp);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QPoint(150, 100), 60, 40);
        painter.end();
        const QString path = dir.filePath(u"picture.png"_s);
        picture.save(path);
        return path;
    }

    void drop(const QString &path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        shell::MainWindow &window = program->window();
        const QPoint at(600, 300);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QDropEvent dropEvent(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &dropEvent);
    }

    QWidget *unit(const QString &name) { return program->panel().findChild<QWidget *>(name); }
    void click(const QString &name) { QTest::mouseClick(unit(name), Qt::LeftButton); }
    bool logged(const QString &text) { return program->panel().log().content().contains(text); }
};

TEST_P(JobRoad, DropChooseWriteSendAndCarve)
{
    const bool dither = GetParam();
    drop(makePicture());
    ui::EffectChooserWindow &chooser = program->panel().chooser();
    ASSERT_TRUE(chooser.isVisible());
    clock.advance(ui::EffectChooserWindow::TaskInterval);
    ASSERT_TRUE(chooser.isReady());
    QTest::mouseRelease(
        &test::unitIn<ui::RenderPanel>(chooser, dither ? u"画板抖动"_s : u"画板黑白"_s),
        Qt::LeftButton, {}, QPoint(100, 100));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !chooser.isVisible(); }, Patience));

    auto *input = static_cast<QPlainTextEdit *>(unit(u"编辑框文字"_s));
    input->setPlainText(u"TAVRO"_s);
    click(u"单选框文字"_s);
    QTest::mousePress(&program->panel().board(), Qt::LeftButton, {}, QPoint(301, 421));
    click(u"按钮文字确认"_s);

    const QImage board = program->session().document().board();
    click(u"按钮发送数据"_s);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            clock.advance(5ms);  // the short wait before the block runs on the program's clock
            return logged(u"Sending Complete !\r\n\r\n"_s);
        },
        Patience));
    ASSERT_TRUE(QTest::qWaitFor([&] { return machine->imagesReceived() == 1; }, Patience));
    EXPECT_EQ(machine->receivedImage(), render::packUploadRaster(board));

    ASSERT_TRUE(unit(u"按钮开始"_s)->isEnabled());
    click(u"按钮开始"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return logged(u"Carved finish !\r\n"_s); }, Patience));

    // What the machine burnt is the board's black, and the trace lies on it.
    const QImage burnt = machine->burnt();
    const QImage traced = program->panel().board().shownImage();
    int dots = 0;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) {
            const bool black =
                qRed(board.pixel(x, y)) + qGreen(board.pixel(x, y)) + qBlue(board.pixel(x, y)) <=
                382;
            ASSERT_EQ(burnt.pixel(x, y) == qRgb(0, 0, 0), black) << x << "," << y;
            ASSERT_EQ(traced.pixel(x, y) == qRgb(255, 0, 0), black) << x << "," << y;
            dots += black;
        }
    EXPECT_GT(dots, 1000);
}

INSTANTIATE_TEST_SUITE_P(Effects, JobRoad, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "Dither" : "BlackWhite"; });

}  // namespace
