#include "shell/elided_label.h"

#include <QEvent>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {

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
    return {fontMetrics().horizontalAdvance(m_fullText) + m.left() + m.right() + 2 * margin(),
            QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QMargins m = contentsMargins();
    const QFontMetrics metrics = fontMetrics();
    const int least = std::min(
        metrics.horizontalAdvance(m_fullText),
        metrics.averageCharWidth() * m_leastCharacters + metrics.horizontalAdvance(u"…"_s));
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
    const QString shown = metrics.horizontalAdvance(m_fullText) <= room
                              ? m_fullText
                              : metrics.elidedText(m_fullText, Qt::ElideRight, room);
    if (shown != text()) setText(shown);
    setToolTip(shown == m_fullText ? QString() : m_fullText);
}

}  // namespace tavro::shell
