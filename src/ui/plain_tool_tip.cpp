#include "ui/plain_tool_tip.h"

#include <QTextDocument>

namespace tavro::ui {

QString plainToolTip(const QString &text)
{
    // Kept on one line with its blanks, as a plain tooltip is.
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpacePre) : text;
}

}  // namespace tavro::ui
