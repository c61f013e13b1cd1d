#include "ui/form_labels.h"

#include <QFormLayout>
#include <QLabel>

namespace tavro::ui {

void leaveRoomForInk(QFormLayout &form)
{
    // A letter's ink overhangs its advance by a pixel at most, as a T's bar or an f's hook does.
    constexpr int Overhang = 2;
    for (int row = 0; row < form.rowCount(); ++row)
        if (QLayoutItem *item = form.itemAt(row, QFormLayout::LabelRole))
            if (auto *label = qobject_cast<QLabel *>(item->widget()))
                label->setMinimumWidth(label->sizeHint().width() + Overhang);
}

}  // namespace tavro::ui
