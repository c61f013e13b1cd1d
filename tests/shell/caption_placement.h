// Where the program's style draws a unit's caption: what the caption tests measure against.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <optional>

class QWidget;

namespace tavro::test {

// At the unit's own font.
struct CaptionPlacement {
    QRect area;  // in the unit's coordinates
    int flags = 0;
    QString text;
    QFont font;
};

// For buttons, check and radio boxes, group boxes and text labels; none for other units
// and for units without a caption.
std::optional<CaptionPlacement> placeCaption(const QWidget &unit);

}  // namespace tavro::test
