#include "ui/machine_size_dialog.h"

#include "document/placement.h"
#include "render/raster_constants.h"
#include "session/session.h"
#include "ui/form_labels.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {

MachineSizeDialog::MachineSizeDialog(session::Session &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(u"machineSizeDialog"_s);
    setWindowTitle(tr("Machine Size"));
    m_scale = new QDoubleSpinBox(this);
    m_scale->setObjectName(u"dotsPerMillimetre"_s);
    m_scale->setDecimals(2);
    m_scale->setRange(document::DotsPerMillimetreRange.min, document::DotsPerMillimetreRange.max);
    m_scale->setSingleStep(0.1);
    m_scale->setValue(session.dotsPerMillimetre());
    m_boardSize = new QLabel(this);
    m_boardSize->setObjectName(u"machineBoardSize"_s);
    m_boardSize->setWordWrap(true);
    auto *explanation = new QLabel(
        tr("Measure a burnt line of known length in dots, or the side of the whole board, to "
           "find your machine's scale. The rulers beside the board show the default, 13.4."),
        this);
    explanation->setWordWrap(true);

    auto *form = new QFormLayout;
    form->addRow(tr("&Dots per millimetre:"), m_scale);
    leaveRoomForInk(*form);
    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_boardSize);
    layout->addWidget(explanation);
    layout->addWidget(buttons);
    setMinimumWidth(380);

    connect(buttons, &QDialogButtonBox::accepted, this, &MachineSizeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MachineSizeDialog::reject);
    connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, m_scale,
            [this] { m_scale->setValue(document::DefaultDotsPerMillimetre); });
    connect(m_scale, &QDoubleSpinBox::valueChanged, this, &MachineSizeDialog::showBoardSize);
    showBoardSize();
}

void MachineSizeDialog::showBoardSize()
{
    const QLocale locale;
    const double scale = m_scale->value();
    m_boardSize->setText(
        tr("The board is %1 x %1 mm; one dot is %2 mm.")
            .arg(locale.toString(document::millimetres(render::BoardSize, scale), 'f', 1),
                 locale.toString(document::millimetres(1, scale), 'f', 3)));
}

void MachineSizeDialog::accept()
{
    m_session.setDotsPerMillimetre(m_scale->value());
    QDialog::accept();
}

}  // namespace tavro::ui
