#include "ui/placement_dialog.h"

#include "render/raster_constants.h"
#include "session/session.h"
#include "ui/form_labels.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {
namespace {

constexpr int Decimals = 2;

QDoubleSpinBox *millimetreBox(const QString &name, double least, double most, QWidget *parent)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setDecimals(Decimals);
    box->setRange(least, most);
    box->setSingleStep(1.0);
    box->setSuffix(u" mm"_s);
    box->setKeyboardTracking(true);
    return box;
}

// A box's value was typed or stepped, not only shown.
bool changed(const QDoubleSpinBox &box, double shown)
{
    return std::abs(box.value() - shown) >= 0.5 * std::pow(10.0, -Decimals);
}

}  // namespace

PlacementDialog::PlacementDialog(session::Session &session, QWidget *parent)
    : QDialog(parent),
      m_session(session),
      m_from(session.document().placement().value_or(document::Placement{})),
      m_picture(session.document().pictureSize()),
      m_scale(session.dotsPerMillimetre())
{
    setObjectName(u"placementDialog"_s);
    setWindowTitle(tr("Size and Position"));
    build();
    showPlacement(m_from);
}

void PlacementDialog::build()
{
    const double most = document::millimetres(document::MaxPlacedSide, m_scale);
    m_width = millimetreBox(u"placementWidth"_s, 0.01, most, this);
    m_height = millimetreBox(u"placementHeight"_s, 0.01, most, this);
    m_left = millimetreBox(u"placementLeft"_s, -most, most, this);
    m_top = millimetreBox(u"placementTop"_s, -most, most, this);
    m_mirrorH = new QCheckBox(tr("Mirror &left to right"), this);
    m_mirrorV = new QCheckBox(tr("Mirror &top to bottom"), this);
    m_mirrorH->setObjectName(u"placementMirrorH"_s);
    m_mirrorV->setObjectName(u"placementMirrorV"_s);

    auto *form = new QFormLayout;
    form->addRow(tr("&Width:"), m_width);
    form->addRow(tr("&Height:"), m_height);
    form->addRow(tr("Left &edge:"), m_left);
    form->addRow(tr("T&op edge:"), m_top);
    form->addRow(m_mirrorH);
    form->addRow(m_mirrorV);
    leaveRoomForInk(*form);

    const QLocale locale;
    auto *scale = new QLabel(
        tr("Edges are measured from the board's top-left corner. The board is %1 mm square at "
           "%2 dots a millimetre (Machine > Machine Size).")
            .arg(locale.toString(document::millimetres(render::BoardSize, m_scale), 'f', 1),
                 locale.toString(m_scale, 'g', 4)),
        this);
    scale->setWordWrap(true);
    m_problem = new QLabel(this);
    m_problem->setObjectName(u"placementProblem"_s);
    m_problem->setTextFormat(Qt::PlainText);  // the picture file's own reason
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(u"color: #b00020;"_s);
    m_problem->hide();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(scale);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    setMinimumWidth(360);

    connect(buttons, &QDialogButtonBox::accepted, this, &PlacementDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PlacementDialog::reject);
    connect(m_width, &QDoubleSpinBox::valueChanged, this, [this] { follow(true); });
    connect(m_height, &QDoubleSpinBox::valueChanged, this, [this] { follow(false); });
}

void PlacementDialog::showPlacement(const document::Placement &placement)
{
    const QSignalBlocker quietW(m_width);
    const QSignalBlocker quietH(m_height);
    m_width->setValue(document::millimetres(placement.rect.width(), m_scale));
    m_height->setValue(document::millimetres(placement.rect.height(), m_scale));
    m_left->setValue(document::millimetres(placement.rect.left(), m_scale));
    m_top->setValue(document::millimetres(placement.rect.top(), m_scale));
    m_mirrorH->setChecked(placement.mirrorH);
    m_mirrorV->setChecked(placement.mirrorV);
}

void PlacementDialog::follow(bool fromWidth)
{
    m_heightTyped = !fromWidth;
    if (m_picture.isEmpty()) return;
    const double ratio = double(m_picture.height()) / m_picture.width();
    if (fromWidth) {
        const QSignalBlocker quiet(m_height);
        m_height->setValue(m_width->value() * ratio);
    } else {
        const QSignalBlocker quiet(m_width);
        m_width->setValue(m_height->value() / ratio);
    }
}

document::PlacementRequest PlacementDialog::request() const
{
    document::PlacementRequest request;
    const QRect &was = m_from.rect;
    if (m_heightTyped && changed(*m_height, document::millimetres(was.height(), m_scale)))
        request.heightMm = m_height->value();
    else if (changed(*m_width, document::millimetres(was.width(), m_scale)))
        request.widthMm = m_width->value();
    if (changed(*m_left, document::millimetres(was.left(), m_scale)))
        request.leftMm = m_left->value();
    if (changed(*m_top, document::millimetres(was.top(), m_scale))) request.topMm = m_top->value();
    if (m_mirrorH->isChecked() != m_from.mirrorH) request.mirrorH = m_mirrorH->isChecked();
    if (m_mirrorV->isChecked() != m_from.mirrorV) request.mirrorV = m_mirrorV->isChecked();
    return request;
}

void PlacementDialog::accept()
{
    const platform::Result<document::Placement> wanted =
        document::applyPlacementRequest(m_from, m_picture, request(), m_scale);
    const platform::Outcome placed =
        wanted ? m_session.placePicture(*wanted) : platform::Outcome::failed(wanted.why());
    m_problem->setText(placed.why());
    m_problem->setVisible(!placed);
    if (placed) QDialog::accept();
}

}  // namespace tavro::ui
