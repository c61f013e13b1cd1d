#include "shell/message_box.h"

#include <QMessageBox>

namespace tavro::shell {

int showMessageBox(const QString &text, BoxButtons buttons, const QString &caption)
{
    QMessageBox box;
    box.setWindowTitle(caption);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(shown);
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons == BoxButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? 0 : 1;
}

}  // namespace tavro::shell
