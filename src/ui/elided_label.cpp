#include "ui/elided_label.h"

#include "ui/plain_tool_tip.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {
namespace {

// The program's style draws a text smaller when its ink leaves the label, and ink may reach a
// pixel past the letters' advance (a "y" at the end, a "T" at the start).
int inkWidth(const QFontMetrics &metrics, const QString &text)
{
    const int advance = metrics.horizontalAdvance(text);
    if (text.isEmpty()) return advance;
    const QRect ink = metrics.tightBoundingRect(text);
    return advance + std::max(0, -ink.left()) + std::max(0, ink.right() + 1 - advance);
}

}  // namespace

ElidedLabel::ElidedLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString &text)
{
    if (text == m_fullText && !text.isEmpty()) return;
    m_fullText = text;
    updateGeometry();  // a wider text may be given more room
    fit();
}

void ElidedLabel::setLeastCharacters(int count)
{
    m_leastCharacters = count;
    updateGeometry();
}

QSize ElidedLabel::sizeHint() const
{
    const QMargins m = contentsMargins();
    return {inkWidth(fontMetrics(), m_fullText) + m.left() + m.right() + 2 * margin(),
            QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QMargins m = contentsMargins();
    const QFontMetrics metrics = fontMetrics();
    const int least =
        std::min(inkWidth(metrics, m_fullText),
                 metrics.averageCharWidth() * m_leastCharacters + inkWidth(metrics, u"…"_s));
    return {least + m.left() + m.right() + 2 * margin(), QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

void ElidedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        fit();
    }
}

void ElidedLabel::fit()
{
    // Measured as sizeHint() measures: elidedText() alone may cut a text that width fits.
    const int room = contentsRect().width() - 2 * margin();
    const QFontMetrics metrics = fontMetrics();
    const QString shown = inkWidth(metrics, m_fullText) <= room
                              ? m_fullText
                              : metrics.elidedText(m_fullText, Qt::ElideRight,
                                                   room - (inkWidth(metrics, u"…"_s) -
                                                           metrics.horizontalAdvance(u"…"_s)));
    if (shown != text()) setText(shown);
    setToolTip(shown == m_fullText ? QString() : plainToolTip(m_fullText));
}

}  // namespace tavro::ui
