// The program's own mark and wordmark: a laser head whose beam strikes a plate with a spark.
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

namespace tavro::assets {

// The frame colour of the program's controls and its dark partner.
inline const QColor FrameBlue(123, 158, 189);
inline const QColor Navy(22, 38, 66);

struct MarkColours {
    QColor head;
    QColor beam;
    QColor plateTop;
    QColor plateEdge;
};

// Draws the mark into `box`, a square.
void paintMark(QPainter &painter, const QRectF &box, const MarkColours &colours);

// 1336 x 473 on white: the mark beside the words "Tavro Laser".
QImage logo();

// 256 x 256: the mark on a rounded navy square, transparent corners.
QImage windowIcon();

}  // namespace tavro::assets
