#include "ui/add_code_dialog.h"

#include "codes/make_symbol.h"
#include "document/placement.h"
#include "render/raster_constants.h"
#include "session/session.h"
#include "ui/form_labels.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {

AddCodeDialog::AddCodeDialog(session::Session &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(u"addCodeDialog"_s);
    setWindowTitle(tr("Add Code"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(u"codeText"_s);
    m_symbology = new QComboBox(this);
    m_symbology->setObjectName(u"codeSymbology"_s);
    m_symbology->addItem(tr("QR code"), int(codes::Symbology::Qr));
    m_symbology->addItem(tr("Data Matrix"), int(codes::Symbology::DataMatrix));
    m_symbology->addItem(tr("Code 128"), int(codes::Symbology::Code128));
    m_symbology->addItem(tr("EAN-13"), int(codes::Symbology::Ean13));
    m_errorCorrection = new QComboBox(this);
    m_errorCorrection->setObjectName(u"codeErrorCorrection"_s);
    m_errorCorrection->addItem(tr("L (7 %)"), int(codes::QrErrorCorrection::L));
    m_errorCorrection->addItem(tr("M (15 %)"), int(codes::QrErrorCorrection::M));
    m_errorCorrection->addItem(tr("Q (25 %)"), int(codes::QrErrorCorrection::Q));
    m_errorCorrection->addItem(tr("H (30 %)"), int(codes::QrErrorCorrection::H));
    m_errorCorrection->setCurrentIndex(1);
    m_width = new QDoubleSpinBox(this);
    m_width->setObjectName(u"codeWidth"_s);
    m_width->setDecimals(1);
    m_width->setRange(1.0, document::millimetres(render::BoardSize, session.dotsPerMillimetre()));
    m_width->setSuffix(u" mm"_s);
    m_width->setValue(20.0);
    m_result = new QLabel(this);
    m_result->setObjectName(u"codeResult"_s);
    m_result->setTextFormat(Qt::PlainText);
    m_result->setWordWrap(true);
    m_warning = new QLabel(this);
    m_warning->setObjectName(u"codeWarning"_s);
    m_warning->setTextFormat(Qt::PlainText);
    m_warning->setWordWrap(true);

    auto *form = new QFormLayout;
    form->addRow(tr("&Text:"), m_text);
    form->addRow(tr("&Kind:"), m_symbology);
    form->addRow(tr("&Error correction:"), m_errorCorrection);
    form->addRow(tr("&Width:"), m_width);
    leaveRoomForInk(*form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_result);
    layout->addWidget(m_warning);
    layout->addWidget(buttons);
    setMinimumWidth(400);

    connect(buttons, &QDialogButtonBox::accepted, this, &AddCodeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AddCodeDialog::reject);
    connect(m_text, &QLineEdit::textChanged, this, &AddCodeDialog::remake);
    connect(m_symbology, &QComboBox::currentIndexChanged, this, &AddCodeDialog::remake);
    connect(m_errorCorrection, &QComboBox::currentIndexChanged, this, &AddCodeDialog::remake);
    connect(m_width, &QDoubleSpinBox::valueChanged, this, &AddCodeDialog::remake);
    remake();
}

void AddCodeDialog::remake()
{
    const auto symbology = codes::Symbology(m_symbology->currentData().toInt());
    m_errorCorrection->setEnabled(symbology == codes::Symbology::Qr);
    m_symbol.reset();
    m_warning->clear();
    m_ok->setEnabled(false);
    if (m_text->text().isEmpty()) {
        m_result->setText(tr("Type the text the code holds."));
        return;
    }
    const platform::Result<codes::CodeSymbol> symbol =
        codes::makeSymbol({m_text->text(), symbology,
                           codes::QrErrorCorrection(m_errorCorrection->currentData().toInt())});
    if (!symbol) {
        m_result->setText(symbol.why());
        return;
    }
    const double scale = m_session.dotsPerMillimetre();
    const platform::Result<codes::CodeFit> fit = codes::fitCode(*symbol, m_width->value(), scale);
    if (!fit) {
        m_result->setText(fit.why());
        return;
    }
    const QLocale locale;
    m_result->setText(tr("%1 x %2 mm with its quiet zone; a module is %3 mm (dots a module: %4).")
                          .arg(locale.toString(fit->widthMm, 'f', 1),
                               locale.toString(fit->heightMm, 'f', 1),
                               locale.toString(fit->moduleMm, 'f', 2))
                          .arg(fit->dotsPerModule));
    if (fit->belowReadable)
        m_warning->setText(
            tr("Modules smaller than 3 dots burn unreadably on wood: make the code "
               "larger."));
    m_symbol = *symbol;
    m_fit = *fit;
    m_ok->setEnabled(true);
}

void AddCodeDialog::accept()
{
    if (!m_symbol) return;
    if (!m_session.placeCode(*m_symbol, m_fit)) return;
    QDialog::accept();
}

}  // namespace tavro::ui
