// The diagrams of the help pictures, with the face and colours they share with its text.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace tavro::assets::help {

inline const QColor Ink(34, 40, 49);
inline const QColor Accent(16, 92, 170);
inline const QColor Red(204, 32, 39);
inline const QColor Green(28, 140, 72);
inline const QColor Amber(247, 168, 40);
inline const QColor Pale(234, 242, 250);
inline const QColor Blush(253, 238, 236);

// Noto Sans CJK SC at a pixel size.
QFont face(int pixels, bool bold = false);

void label(QPainter &painter, const QRectF &box, const QString &text, int pixels,
           const QColor &colour, int flags = Qt::AlignCenter, bool bold = false);

// Each diagram fills the width of `area` and stays within its height.
void paintInstallButton(QPainter &painter, const QRectF &area);
void paintFocus(QPainter &painter, const QRectF &area);
void paintEffects(QPainter &painter, const QRectF &area);
void paintBurnChart(QPainter &painter, const QRectF &area);
void paintPadLayers(QPainter &painter, const QRectF &area);

void paintWarningSign(QPainter &painter, QPointF centre, qreal size);

}  // namespace tavro::assets::help
