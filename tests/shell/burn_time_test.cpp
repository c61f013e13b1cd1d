// The burn-time slider: the label follows every change, and the machine gets each change
// once, on a left release or after the keys.
#include "shell_fixture.h"

#include <QTest>
#include <QWheelEvent>

using namespace std::chrono_literals;
using namespace tavro;
using namespace tavro::test;

namespace {

const QString MaxLine =
    u"Press the button on the machine can continue to increase the burning time\r\n"_s;

class BurnTimeTest : public ShellTest {
protected:
    QSlider *slider = nullptr;

    void SetUp() override
    {
        startProgram();
        identify();
        slider = unit<QSlider>(u"滑块条1"_s);
        slider->setFocus();
    }
    QString label() { return caption(u"标签灼烧时间值"_s); }
    QByteArray burnFrame(int p) { return bytes({0xFF, 0x05, quint8(p), 0x00}); }
    // As X hands on a held key: the key comes up and goes down again at the same moment,
    // not always flagged as a repeat.
    void repeat(Qt::Key key)
    {
        QTest::keyRelease(slider, key);
        QTest::keyPress(slider, key);
    }
};

TEST_F(BurnTimeTest, ALeftReleaseSendsWhatTheSliderShows)
{
    slider->setValue(100);
    EXPECT_TRUE(line.writes.isEmpty());
    QTest::mouseRelease(slider, Qt::LeftButton);
    EXPECT_EQ(line.writes, QList<QByteArray>{burnFrame(100)});
    EXPECT_TRUE(panel().log().content().endsWith(u"Burning Time: 100\r\n"_s + MaxLine));

    slider->setValue(99);
    QTest::mouseRelease(slider, Qt::LeftButton);
    EXPECT_TRUE(panel().log().content().endsWith(u"time\r\nBurning Time: 99\r\n"_s));
    QTest::mouseRelease(slider, Qt::RightButton);
    clock.advance(1000ms);
    EXPECT_EQ(line.writes.size(), 2) << "right releases and time send nothing";
}

TEST_F(BurnTimeTest, AKeyLetGoSendsItsChangeOnce)
{
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(label(), u"41"_s);
    clock.advance(30ms);
    EXPECT_EQ(line.writes, QList<QByteArray>{burnFrame(41)});
    EXPECT_TRUE(panel().log().content().endsWith(u"Burning Time: 41\r\n"_s));

    QTest::keyClick(slider, Qt::Key_End);
    clock.advance(1000ms);
    EXPECT_EQ(line.writes, (QList<QByteArray>{burnFrame(41), burnFrame(100)}));
    EXPECT_TRUE(panel().log().content().endsWith(u"Burning Time: 100\r\n"_s + MaxLine));

    QTest::keyClick(slider, Qt::Key_Right);
    clock.advance(1000ms);
    EXPECT_EQ(line.writes.size(), 2) << "a key that changes nothing sends nothing";
}

TEST_F(BurnTimeTest, AHeldKeySendsOnceWhenItComesUp)
{
    QTest::keyPress(slider, Qt::Key_PageUp);
    for (int i = 0; i < 6; ++i) {
        clock.advance(20ms);
        repeat(Qt::Key_PageUp);
    }
    EXPECT_EQ(label(), u"75"_s);
    clock.advance(20ms);
    EXPECT_TRUE(line.writes.isEmpty()) << "nothing while the key is down";
    QTest::keyRelease(slider, Qt::Key_PageUp);
    clock.advance(30ms);
    EXPECT_EQ(line.writes, QList<QByteArray>{burnFrame(75)});
    clock.advance(1000ms);
    EXPECT_EQ(line.writes.size(), 1);
}

TEST_F(BurnTimeTest, AChangeWithoutItsKeyComingUpIsSentAfterAPause)
{
    // A key held down with no further change, or one whose release went elsewhere.
    QTest::keyPress(slider, Qt::Key_Left);
    clock.advance(299ms);
    EXPECT_TRUE(line.writes.isEmpty());
    clock.advance(1ms);
    EXPECT_EQ(line.writes, QList<QByteArray>{burnFrame(39)});

    QWheelEvent wheel(QPointF(20, 20), slider->mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &wheel);
    ASSERT_NE(slider->value(), 39) << "the wheel moved the slider";
    EXPECT_EQ(label(), QString::number(slider->value()));
    clock.advance(300ms);
    EXPECT_EQ(line.writes, (QList<QByteArray>{burnFrame(39), burnFrame(slider->value())}));
}

TEST_F(BurnTimeTest, DraggingSendsOnlyOnTheRelease)
{
    const QPoint handle = slider->rect().center();
    slider->setValue(50);
    QTest::mousePress(slider, Qt::LeftButton, {}, handle);
    for (int dx = 10; dx <= 60; dx += 10) {
        QMouseEvent move(QEvent::MouseMove, QPointF(handle + QPoint(dx, 0)),
                         slider->mapToGlobal(QPointF(handle + QPoint(dx, 0))), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slider, &move);
        clock.advance(400ms);
    }
    EXPECT_GT(slider->value(), 50) << "the drag moved the handle";
    EXPECT_TRUE(line.writes.isEmpty());
    QTest::mouseRelease(slider, Qt::LeftButton, {}, handle + QPoint(60, 0));
    EXPECT_EQ(line.writes, QList<QByteArray>{burnFrame(slider->value())});
}

TEST_F(BurnTimeTest, AReleaseAfterAKeySendsOnlyOnce)
{
    QTest::keyPress(slider, Qt::Key_Right);
    QTest::mouseRelease(slider, Qt::LeftButton);
    QTest::keyRelease(slider, Qt::Key_Right);
    clock.advance(1000ms);
    EXPECT_EQ(line.writes, QList<QByteArray>{burnFrame(41)});
}

}  // namespace
