#include "help_pictures.h"

#include "brand_mark.h"
#include "help_drawings.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QTextDocument>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using namespace tavro::assets::help;

namespace tavro::assets {

namespace {

constexpr int Side = HelpSide;
constexpr qreal Margin = 28;
constexpr qreal Width = Side - 2 * Margin;
constexpr qreal BandHeight = 64;
constexpr int TitlePixels = 26;
constexpr int BodyPixels = 17;
constexpr int DensePixels = 16;

// {Braces} mark what the program itself shows (buttons, messages), so the eye finds it there;
// such a name is never broken at its blanks.
QString markedToHtml(const QString &marked)
{
    const QString open = u"<b style=\"color:%1\">"_s.arg(Accent.name());
    QString html;
    bool inName = false;
    for (const QChar c : marked) {
        if (c == u'{') {
            html += open;
            inName = true;
        } else if (c == u'}') {
            html += u"</b>"_s;
            inName = false;
        } else if (c == u'\n') {
            html += u"<br>"_s;
        } else if (c == u' ' && inName) {
            html += u"&nbsp;"_s;
        } else {
            html += QString(c).toHtmlEscaped();
        }
    }
    return html;
}

// Wrapped text with marked names, measured before it is painted.
class RichText {
public:
    RichText(const QString &marked, qreal width, int pixels)
    {
        m_document.setDocumentMargin(0);
        m_document.setDefaultFont(face(pixels));
        m_document.setTextWidth(width);
        m_document.setHtml(markedToHtml(marked));
    }

    qreal height() const { return m_document.size().height(); }

    void paint(QPainter &painter, QPointF topLeft, const QColor &colour)
    {
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, colour);
        painter.save();
        painter.translate(topLeft);
        m_document.documentLayout()->draw(&painter, context);
        painter.restore();
    }

private:
    QTextDocument m_document;
};

// Lays blocks out from the top down and remembers whether they all stayed on the page.
class Sheet {
public:
    explicit Sheet(QImage &picture) : m_painter(&picture)
    {
        m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    }

    QPainter &painter() { return m_painter; }
    bool fits() const { return m_y <= Side - Margin + 12; }
    void skip(qreal pixels) { m_y += pixels; }

    void band(int number, const QString &title)
    {
        m_painter.fillRect(QRectF(0, 0, Side, BandHeight), Navy);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Amber);
        const QRectF badge(Margin - 6, (BandHeight - 36) / 2, 36, 36);
        m_painter.drawEllipse(badge);
        label(m_painter, badge, QString::number(number), 22, Navy, Qt::AlignCenter, true);
        const QRectF text(badge.right() + 14, 0, Side - badge.right() - 14 - Margin / 2,
                          BandHeight);
        int pixels = TitlePixels;
        while (pixels > 22 &&
               QFontMetricsF(face(pixels, true)).horizontalAdvance(title) > text.width())
            --pixels;
        label(m_painter, text, title, pixels, Qt::white, Qt::AlignLeft | Qt::AlignVCenter, true);
        m_y = BandHeight + 18;
    }

    void text(const QString &marked, int pixels = BodyPixels, const QColor &colour = Ink)
    {
        RichText rich(marked, Width, pixels);
        rich.paint(m_painter, {Margin, m_y}, colour);
        m_y += rich.height() + 10;
    }

    void heading(const QString &text)
    {
        label(m_painter, QRectF(Margin, m_y, Width, 26), text, 18, Navy,
              Qt::AlignLeft | Qt::AlignVCenter, true);
        m_y += 32;
    }

    // Numbered steps when `first` is positive, otherwise bullets.
    void list(const QStringList &items, int first, int pixels = BodyPixels)
    {
        constexpr qreal Indent = 30;
        const qreal lineMiddle = QFontMetricsF(face(pixels)).height() / 2;
        for (qsizetype i = 0; i < items.size(); ++i) {
            m_painter.setPen(Qt::NoPen);
            if (first > 0) {
                const QRectF badge(Margin, m_y + lineMiddle - 11, 22, 22);
                m_painter.setBrush(Navy);
                m_painter.drawEllipse(badge);
                label(m_painter, badge, QString::number(first + i), 14, Qt::white, Qt::AlignCenter,
                      true);
            } else {
                m_painter.setBrush(FrameBlue);
                m_painter.drawRoundedRect(QRectF(Margin + 6, m_y + lineMiddle - 4, 8, 8), 2, 2);
            }
            RichText rich(items.at(i), Width - Indent, pixels);
            rich.paint(m_painter, {Margin + Indent, m_y}, Ink);
            m_y += rich.height() + 6;
        }
        m_y += 6;
    }

    // A framed note; a warning gets a red frame and the warning sign.
    void callout(const QString &marked, bool warning, int pixels = DensePixels)
    {
        const qreal inset = warning ? 62 : 16;
        RichText rich(marked, Width - inset - 16, pixels);
        const qreal height = std::max(rich.height() + 24, warning ? 56.0 : 0.0);
        const QRectF box(Margin, m_y, Width, height);
        m_painter.setPen(QPen(warning ? Red : FrameBlue, 1.5));
        m_painter.setBrush(warning ? Blush : Pale);
        m_painter.drawRoundedRect(box, 8, 8);
        if (warning) paintWarningSign(m_painter, QPointF(box.left() + 32, box.center().y()), 34);
        rich.paint(m_painter, {box.left() + inset, box.center().y() - rich.height() / 2},
                   warning ? Red : Ink);
        m_y += height + 12;
    }

    // A full-width block for a drawing.
    QRectF take(qreal height)
    {
        const QRectF area(Margin, m_y, Width, height);
        m_y += height + 14;
        return area;
    }

private:
    QPainter m_painter;
    qreal m_y = Margin;
};

// Null when the content runs past the bottom margin, so the generator stops instead of clipping.
template <typename Draw>
QImage page(Draw draw)
{
    QImage picture(Side, Side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    bool fits = false;
    {
        Sheet sheet(picture);
        draw(sheet);
        fits = sheet.fits();
    }
    return fits ? picture : QImage();
}

QImage answer1()
{
    return page([](Sheet &sheet) {
        sheet.band(1, u"为什么一直连接不上？"_s);
        sheet.text(
            u"Linux 上 USB 串口线不用另装驱动，只需给您的账号开通串口设备"
            u"（/dev/ttyUSB*、/dev/ttyACM*）的使用权限。"_s,
            DensePixels);
        paintInstallButton(sheet.painter(), sheet.take(64));
        sheet.text(u"双击 {安装驱动}（或本图），输入管理员密码即可开通。"_s);
        sheet.heading(u"还是连接不上？请检查："_s);
        sheet.list({u"用能传数据的 USB 线，只能充电的线不行"_s,
                    u"打开雕刻机电源；重新插拔 USB 线，或换个接口"_s,
                    u"连接按钮 {Connecting...}：正在寻找；{OK}：已连上"_s,
                    u"刚开通权限仍连不上：注销后重新登录电脑"_s},
                   0);
        sheet.text(u"仍不能解决？请看第 8 题联系我们。"_s, DensePixels, Red);
    });
}

QImage answer2()
{
    return page([](Sheet &sheet) {
        sheet.band(2, u"初次使用必看"_s);
        sheet.list({u"打开软件，它会自己寻找雕刻机；连接按钮显示 {OK} 就是连上了。"_s,
                    u"把图片拖到中间的预览板上。"_s,
                    u"在弹出的窗口里点一种效果：左边 {黑白}，右边 {抖动}。"_s,
                    u"点右上角的 {发送数据到雕刻机}，等左边信息框出现 {Sending Complete !}。"_s,
                    u"对焦（见第 3 题）。"_s,
                    u"选 {到图像中心} 或 {框定位}，激光会照出雕刻的位置，把材料摆正。"_s,
                    u"拖动 {灼烧时间} 滑块设置时间（见第 5 题）。"_s,
                    u"点 {开始}，开始雕刻；中途可点 {暂停}。"_s},
                   1, DensePixels);
        sheet.callout(
            u"要刻文字：在左边文字框输入文字，点 {字体} 选字体；选中 {选择写出位置}，"
            u"点一下预览板放好文字，再点 {OK}。"_s,
            false);
    });
}

QImage answer3()
{
    return page([](Sheet &sheet) {
        sheet.band(3, u"如何对焦？"_s);
        paintFocus(sheet.painter(), sheet.take(158));
        sheet.list(
            {u"把材料平放在激光头正下方。"_s,
             u"选 {任意点定位} 再点一下预览板，或选 {到图像中心}，让激光照到材料上。"_s,
             u"慢慢旋转调焦镜头，直到光点最小、最亮。"_s, u"换了厚度不同的材料，要重新对焦。"_s},
            1, DensePixels);
        sheet.callout(u"对焦时也要戴好激光防护眼镜，不要直视激光。"_s, true);
    });
}

QImage answer4()
{
    return page([](Sheet &sheet) {
        sheet.band(4, u"怎样雕刻效果好？（必看）"_s);
        paintEffects(sheet.painter(), sheet.take(114));
        sheet.list({u"选主体清楚、对比度高的图片，背景最好是白色。"_s,
                    u"照片、人像选 {抖动}，能刻出深浅层次。"_s,
                    u"标志、文字、线条画选 {黑白}，线条干净清楚。"_s,
                    u"材料要干净、平整，平放在激光头下面。"_s, u"雕刻前先对好焦（见第 3 题）。"_s,
                    u"先用小的 {灼烧时间} 在边角试刻，满意后再正式雕刻。"_s},
                   0);
        sheet.callout(u"预览板上显示的就是要刻的内容，开始前先看一眼。"_s, false);
    });
}

QImage answer5()
{
    return page([](Sheet &sheet) {
        sheet.band(5, u"灼烧时间设置多少合适？"_s);
        sheet.text(
            u"灼烧时间越大，激光在每个点上停留越久，刻得越深越黑。\n"
            u"滑块可调 1–100，参考范围如下："_s,
            DensePixels);
        paintBurnChart(sheet.painter(), sheet.take(172));
        sheet.list(
            {u"先用小数值在边角试刻，再慢慢加大。"_s,
             u"松开鼠标时，数值才发给雕刻机，信息框里会显示 {Burning Time: 40} 这样的一行。"_s,
             u"到 100 还不够：按雕刻机上的按键可以继续加大。"_s,
             u"不要雕刻 PVC 等含氯塑料；雕刻时注意通风。"_s},
            0, DensePixels);
    });
}

QImage answer6()
{
    return page([](Sheet &sheet) {
        sheet.band(6, u"送的透明的垫子是什么？"_s);
        sheet.text(u"这是一块透明的保护垫，也用来帮助摆放材料。"_s);
        paintPadLayers(sheet.painter(), sheet.take(120));
        sheet.list({u"雕刻纸张、薄卡纸等薄材料时，把垫子垫在材料下面：桌面不会被烧到，"
                    u"台面也保持干净。"_s,
                    u"垫子平整，薄材料放在上面不易翘起，便于对齐和对焦。"_s,
                    u"垫子脏了可用湿布擦净，晾干再用。"_s},
                   0, DensePixels);
        sheet.callout(u"激光会穿过透明的材料，所以垫子本身刻不上。\n千万不要直接对着垫子雕刻！"_s,
                      true);
    });
}

QImage answer7()
{
    return page([](Sheet &sheet) {
        sheet.band(7, u"雕刻不了图像，不清晰，怎么办？"_s);
        sheet.text(u"请按顺序逐一检查："_s, DensePixels);
        sheet.list(
            {u"重新对焦，让光点最小、最亮（见第 3 题）。"_s,
             u"加大 {灼烧时间}，每次加 10 左右再试。"_s, u"换一张颜色更深、对比度更高的图片。"_s,
             u"重新拖入图片，换另一种效果（{黑白} 或 {抖动}）。"_s,
             u"确认已发送完：左边信息框出现 {Sending Complete !} 后再点 {开始}。"_s,
             u"点 {重新雕刻}，从头再刻一遍。"_s,
             u"连接断开时信息框显示：\n{>>>Connection BREAK !<<<}，请看第 1 题。"_s},
            1);
        sheet.text(u"还是不行？请看第 8 题联系我们。"_s, DensePixels, Red);
    });
}

QImage answer8()
{
    return page([](Sheet &sheet) {
        sheet.band(8, u"出现任何问题都可以联系我们"_s);
        sheet.text(u"请打开本项目的主页，在那里留言或提交问题："_s, DensePixels);
        const QRectF box = sheet.take(56);
        QPainter &painter = sheet.painter();
        painter.setPen(QPen(Accent, 2));
        painter.setBrush(Pale);
        painter.drawRoundedRect(box, 8, 8);
        label(painter, box, u"https://tavro-laser.github.io/"_s, 24, Accent, Qt::AlignCenter, true);
        sheet.text(u"点主窗口左下角的标志也能打开主页。"_s, DensePixels);
        sheet.heading(u"联系时请写清楚："_s);
        sheet.list(
            {u"出了什么问题，是在做哪一步时出现的"_s, u"左边信息框里的全部文字（复制后一起发来）"_s,
             u"Linux 系统版本和本软件的版本（{设置} 窗口里有）"_s},
            0, DensePixels);
        sheet.callout(
            u"安全提醒：雕刻时请戴好激光防护眼镜，不要离开雕刻机；保持通风，旁边不放易燃物。"_s,
            true);
    });
}

// Points out of the picture, towards the question list beside it.
void paintListArrow(QPainter &painter, qreal y)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Red);
    painter.drawPolygon(QPolygonF({{40, y},
                                   {66, y - 16},
                                   {66, y - 6},
                                   {118, y - 6},
                                   {118, y + 6},
                                   {66, y + 6},
                                   {66, y + 16}}));
    label(painter, QRectF(130, y - 16, 300, 32), u"问题列表在左边"_s, 18, Red,
          Qt::AlignLeft | Qt::AlignVCenter, true);
}

}  // namespace

QImage helpStart()
{
    return page([](Sheet &sheet) {
        QPainter &painter = sheet.painter();
        painter.setPen(QPen(FrameBlue, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(12, 12, Side - 24, Side - 24), 14, 14);
        paintMark(painter, QRectF((Side - 104) / 2.0, 34, 104, 104),
                  {Navy, FrameBlue, FrameBlue, Navy});
        label(painter, QRectF(0, 136, Side, 24), u"Tavro Laser"_s, 16, Navy);
        label(painter, QRectF(0, 172, Side, 44), u"《《《  电子教程  》》》"_s, 28, Red,
              Qt::AlignCenter, true);

        constexpr qreal PanelTop = 236;
        constexpr qreal Padding = 20;
        constexpr qreal Indent = 22;
        constexpr qreal Gap = 10;
        const qreal textWidth = Width - 2 * Padding - Indent;
        RichText advice[] = {{u"请点击左边的问题，这里就会显示它的解答。"_s, textWidth, 18},
                             {u"第一次使用前，\n请把每个解答从上到下认真看一遍。"_s, textWidth, 18},
                             {u"连接不上时，先看第 1 题。"_s, textWidth, 18}};
        qreal height = 2 * Padding - Gap;
        for (const RichText &item : advice) height += item.height() + Gap;
        const QRectF panel(Margin, PanelTop, Width, height);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Pale);
        painter.drawRoundedRect(panel, 10, 10);
        const qreal lineMiddle = QFontMetricsF(face(18)).height() / 2;
        qreal y = panel.top() + Padding;
        for (RichText &item : advice) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(FrameBlue);
            painter.drawRoundedRect(QRectF(panel.left() + Padding, y + lineMiddle - 4, 8, 8), 2, 2);
            item.paint(painter, {panel.left() + Padding + Indent, y}, Ink);
            y += item.height() + Gap;
        }
        paintListArrow(painter, panel.bottom() + 40);
        sheet.skip(panel.bottom() + 56 - Margin);
    });
}

QImage helpAnswer(int number)
{
    switch (number) {
    case 1:
        return answer1();
    case 2:
        return answer2();
    case 3:
        return answer3();
    case 4:
        return answer4();
    case 5:
        return answer5();
    case 6:
        return answer6();
    case 7:
        return answer7();
    case 8:
        return answer8();
    default:
        return {};
    }
}

}  // namespace tavro::assets
