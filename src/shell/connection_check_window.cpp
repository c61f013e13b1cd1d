#include "shell/connection_check_window.h"

#include "machine/diagnosis_text.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {
namespace {

using machine::DiagnosisText;
using machine::Verdict;

QLabel *textLabel(const QString &name, const QString &text, QWidget *parent, bool bold = false)
{
    auto *label = new QLabel(parent);
    // Paths, makers and process names as written: as markup they could load any file.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QStyle::StandardPixmap iconOf(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Connected:
    case Verdict::Found:
        return QStyle::SP_DialogApplyButton;
    case Verdict::NoAnswer:
    case Verdict::WrongMachine:
        return QStyle::SP_MessageBoxInformation;
    case Verdict::NoPermission:
    case Verdict::Held:
    case Verdict::NoSerialDevice:
    case Verdict::CannotOpen:
        break;
    }
    return QStyle::SP_MessageBoxWarning;
}

}  // namespace

ConnectionCheckWindow::ConnectionCheckWindow(machine::ConnectionDiagnosis &diagnosis,
                                             machine::DeviceWatcher &watcher, HelperRunner &helper,
                                             QWidget *parent)
    : QDialog(parent), m_diagnosis(diagnosis), m_watcher(watcher), m_helper(helper)
{
    setObjectName(u"connectionCheck"_s);
    auto *layout = new QVBoxLayout(this);
    m_intro = textLabel(u"intro"_s, {}, this);
    m_headline = textLabel(u"headline"_s, {}, this, true);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    m_rows = new QWidget(scroll);
    m_rowLayout = new QVBoxLayout(m_rows);
    m_rowLayout->setContentsMargins(0, 0, 0, 0);
    m_rowLayout->addStretch();
    scroll->setWidget(m_rows);
    m_status = textLabel(u"status"_s, {}, this);
    m_checkAgainButton = new QPushButton(this);
    m_checkAgainButton->setObjectName(u"checkAgain"_s);
    m_closeButton = new QPushButton(this);
    m_closeButton->setObjectName(u"close"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(m_checkAgainButton);
    buttons->addWidget(m_closeButton);
    layout->addWidget(m_intro);
    layout->addWidget(m_headline);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    resize(640, 460);
    retranslate();
    makeConnections();
}

ConnectionCheckWindow::~ConnectionCheckWindow() = default;

void ConnectionCheckWindow::makeConnections()
{
    using D = machine::ConnectionDiagnosis;
    connect(&m_diagnosis, &D::started, this, [this] {
        m_checkAgainButton->setEnabled(false);
        setStatus(tr("Checking…"));
    });
    connect(&m_diagnosis, &D::finished, this, [this] {
        m_reported = true;
        m_checkAgainButton->setEnabled(true);
        showReport();
    });
    connect(m_checkAgainButton, &QPushButton::clicked, this, [this] {
        m_helperOutcome.clear();
        checkAgain();
    });
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);
    using W = machine::DeviceWatcher;
    connect(&m_watcher, &W::candidateAppeared, this, &ConnectionCheckWindow::onDeviceChanged);
    connect(&m_watcher, &W::candidateRemoved, this, &ConnectionCheckWindow::onDeviceChanged);
    connect(&m_helper, &HelperRunner::finished, this, &ConnectionCheckWindow::onHelperFinished);
}

void ConnectionCheckWindow::retranslate()
{
    setWindowTitle(tr("Check Connection"));
    m_intro->setText(
        tr("The serial devices the program tries when it searches for the machine, "
           "and what stands in the way of each."));
    m_checkAgainButton->setText(tr("Check Again"));
    m_closeButton->setText(tr("Close"));
    if (m_reported) showReport();
}

void ConnectionCheckWindow::checkAgain()
{
    m_diagnosis.run(machine::ConnectionDiagnosis::Depth::Full);
}

QString ConnectionCheckWindow::headline() const
{
    return m_headline->text();
}

QString ConnectionCheckWindow::status() const
{
    return m_status->text();
}

void ConnectionCheckWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    checkAgain();
}

void ConnectionCheckWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void ConnectionCheckWindow::onDeviceChanged()
{
    if (isVisible()) checkAgain();
}

void ConnectionCheckWindow::setStatus(const QString &text)
{
    m_status->setText(text);
}

void ConnectionCheckWindow::clearRows()
{
    while (m_rowLayout->count() > 1) {
        QLayoutItem *item = m_rowLayout->takeAt(0);
        delete item->widget();
        delete item;
    }
}

void ConnectionCheckWindow::showReport()
{
    const machine::DiagnosisReport &report = m_diagnosis.report();
    clearRows();
    m_headline->setText(report.machineFound() ? tr("A machine answers.")
                                              : DiagnosisText::summary(report));
    if (report.devices.isEmpty()) m_rowLayout->insertWidget(0, noDeviceRow());
    for (const machine::SerialDevice &device : report.devices)
        m_rowLayout->insertWidget(m_rowLayout->count() - 1, deviceRow(device));
    if (m_helper.isRunning())
        setStatus(waitingText());
    else if (!m_helperOutcome.isEmpty())
        setStatus(m_helperOutcome);
    else
        setStatus(tr("The check runs again when a device is plugged in or pulled out."));
}

QString ConnectionCheckWindow::waitingText()
{
    return tr("Waiting for tavro-serial-access; it may ask for the administrator password…");
}

QWidget *ConnectionCheckWindow::noDeviceRow()
{
    auto *row = new QFrame(m_rows);
    row->setObjectName(u"deviceRow"_s);
    row->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(row);
    auto *icon = new QLabel(row);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(textLabel(u"verdict"_s, DiagnosisText::noDevices(), row, true), 0, 1);
    grid->addWidget(
        textLabel(u"advice"_s, tr("Plug the engraver's USB cable in; this window follows."), row),
        1, 1);
    grid->setColumnStretch(1, 1);
    return row;
}

QWidget *ConnectionCheckWindow::deviceRow(const machine::SerialDevice &device)
{
    const machine::DiagnosisReport &report = m_diagnosis.report();
    auto *row = new QFrame(m_rows);
    row->setObjectName(u"deviceRow"_s);
    row->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(row);
    auto *icon = new QLabel(row);
    icon->setPixmap(style()->standardIcon(iconOf(device.verdict)).pixmap(32, 32));
    grid->addWidget(icon, 0, 0, 5, 1, Qt::AlignTop);
    grid->addWidget(textLabel(u"title"_s, DiagnosisText::title(device), row, true), 0, 1);
    QLabel *facts = textLabel(u"facts"_s, DiagnosisText::facts(device), row);
    facts->setForegroundRole(QPalette::PlaceholderText);
    grid->addWidget(facts, 1, 1);
    grid->addWidget(textLabel(u"verdict"_s, DiagnosisText::verdict(device), row), 2, 1);
    const QString advice = DiagnosisText::advice(device, report);
    if (!advice.isEmpty()) grid->addWidget(textLabel(u"advice"_s, advice, row), 3, 1);
    grid->setColumnStretch(1, 1);
    if (device.fix != machine::Fix::None) {
        auto *fix = new QPushButton(DiagnosisText::fixLabel(device.fix), row);
        fix->setObjectName(u"fixButton"_s);
        fix->setEnabled(!m_helper.isRunning());
        connect(fix, &QPushButton::clicked, this, [this, chosen = device.fix] { runFix(chosen); });
        grid->addWidget(fix, 4, 1, Qt::AlignLeft);
    }
    return row;
}

void ConnectionCheckWindow::runFix(machine::Fix fix)
{
    for (QPushButton *button : m_rows->findChildren<QPushButton *>(u"fixButton"_s))
        button->setEnabled(false);
    m_helperOutcome.clear();
    setStatus(waitingText());
    m_helper.run(machine::helperArguments(fix));
}

void ConnectionCheckWindow::onHelperFinished(int exitStatus, const QString &output)
{
    if (exitStatus == 0)
        m_helperOutcome = tr("tavro-serial-access is done.");
    else if (exitStatus == 126 || exitStatus == 127)
        m_helperOutcome = tr("The administrator password was not given; nothing was changed.");
    else if (exitStatus < 0)
        m_helperOutcome = tr("tavro-serial-access could not be started: %1").arg(output);
    else
        m_helperOutcome = tr("tavro-serial-access failed (exit status %1): %2")
                              .arg(exitStatus)
                              .arg(output.section(u'\n', -1));
    setStatus(m_helperOutcome);
    checkAgain();
}

}  // namespace tavro::shell
