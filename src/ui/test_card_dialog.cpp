#include "ui/test_card_dialog.h"

#include "render/upload_raster.h"
#include "run/clock_text.h"
#include "session/session.h"
#include "session/test_card_run.h"
#include "ui/preset_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {
namespace {

// Numbers separated by commas or blanks; nothing when a part is not a whole number.
std::optional<QList<int>> numbersIn(const QString &text)
{
    QList<int> numbers;
    for (const QString &part : text.split(QRegularExpression(u"[,;\\s]+"_s), Qt::SkipEmptyParts)) {
        bool ok = false;
        numbers << part.toInt(&ok);
        if (!ok) return std::nullopt;
    }
    return numbers;
}

QString numbersText(const QList<int> &numbers)
{
    QStringList parts;
    for (const int n : numbers) parts << QString::number(n);
    return parts.join(u", "_s);
}

}  // namespace

TestCardDialog::TestCardDialog(session::Session &session, session::TestCardRun &run,
                               platform::Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_session(session), m_run(run), m_prompter(prompter)
{
    setObjectName(u"testCardDialog"_s);
    // The board shows the card in place of the job: nothing in the window may act on the job
    // it hides until the dialog closes.
    setWindowModality(Qt::WindowModal);
    build();
    retranslate();
    // The last card's choices, or the job's method for a first card.
    const std::optional<materials::TestCardPlan> last = session.lastCard();
    materials::TestCardPlan plan = last.value_or(materials::TestCardPlan{});
    if (!last) plan.tuning.method = session.document().tuning().method;
    plan.date = QDate::currentDate();
    setPlan(plan);
    makeConnections();
}

void TestCardDialog::build()
{
    m_intro = new QLabel(this);
    m_intro->setWordWrap(true);
    m_burnTimesLabel = new QLabel(this);
    m_burnTimes = new QLineEdit(this);
    m_burnTimes->setObjectName(u"cardBurnTimes"_s);
    m_spreadLabel = new QLabel(this);
    m_from = new QSpinBox(this);
    m_to = new QSpinBox(this);
    m_count = new QSpinBox(this);
    for (QSpinBox *box : {m_from, m_to})
        box->setRange(document::BurnTimeRange.min, document::BurnTimeRange.max);
    m_count->setRange(materials::TestCardPlan::BurnTimeCount.min,
                      materials::TestCardPlan::BurnTimeCount.max);
    m_from->setValue(10);
    m_to->setValue(80);
    m_count->setValue(5);
    m_levelsLabel = new QLabel(this);
    m_levels = new QLineEdit(this);
    m_solid = new QCheckBox(this);
    m_patchLabel = new QLabel(this);
    m_patch = new QDoubleSpinBox(this);
    m_patch->setRange(materials::TestCardPlan::PatchRange.min,
                      materials::TestCardPlan::PatchRange.max);
    m_patch->setSingleStep(0.5);
    m_patch->setDecimals(1);
    m_methodLabel = new QLabel(this);
    m_method = new QComboBox(this);
    m_tuning = new QLabel(this);
    m_tuning->setWordWrap(true);
    m_labels = new QCheckBox(this);
    m_date = new QDateEdit(this);
    m_date->setCalendarPopup(true);
    m_status = new QLabel(this);
    m_status->setObjectName(u"testCardStatus"_s);
    m_status->setWordWrap(true);
    m_burn = new QPushButton(this);
    m_burn->setObjectName(u"burnCardButton"_s);
    m_burn->setDefault(true);
    m_close = new QPushButton(this);
    layOut();
}

void TestCardDialog::layOut()
{
    auto *spread = new QHBoxLayout;
    for (QWidget *unit : {static_cast<QWidget *>(m_spreadLabel), static_cast<QWidget *>(m_from),
                          static_cast<QWidget *>(m_to), static_cast<QWidget *>(m_count)})
        spread->addWidget(unit);
    spread->addStretch();
    auto *labels = new QHBoxLayout;
    labels->addWidget(m_labels);
    labels->addWidget(m_date);
    labels->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_burn);
    buttons->addWidget(m_close);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_intro, 0, 0, 1, 2);
    grid->addWidget(m_burnTimesLabel, 1, 0);
    grid->addWidget(m_burnTimes, 1, 1);
    grid->addLayout(spread, 2, 1);
    grid->addWidget(m_levelsLabel, 3, 0);
    grid->addWidget(m_levels, 3, 1);
    grid->addWidget(m_solid, 4, 1);
    grid->addWidget(m_patchLabel, 5, 0);
    grid->addWidget(m_patch, 5, 1, Qt::AlignLeft);
    grid->addWidget(m_methodLabel, 6, 0);
    grid->addWidget(m_method, 6, 1, Qt::AlignLeft);
    grid->addWidget(m_tuning, 7, 1);
    grid->addLayout(labels, 8, 1);
    grid->addWidget(m_status, 9, 0, 1, 2);
    grid->addLayout(buttons, 10, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(480);
}

void TestCardDialog::makeConnections()
{
    for (QSpinBox *box : {m_from, m_to, m_count})
        connect(box, &QSpinBox::valueChanged, this, &TestCardDialog::spreadBurnTimes);
    connect(m_solid, &QCheckBox::toggled, m_levels, &QWidget::setDisabled);
    for (QLineEdit *field : {m_burnTimes, m_levels})
        connect(field, &QLineEdit::textChanged, this, &TestCardDialog::refresh);
    connect(m_solid, &QCheckBox::toggled, this, &TestCardDialog::refresh);
    connect(m_patch, &QDoubleSpinBox::valueChanged, this, &TestCardDialog::refresh);
    connect(m_method, &QComboBox::currentIndexChanged, this, &TestCardDialog::refresh);
    connect(m_labels, &QCheckBox::toggled, m_date, &QWidget::setEnabled);
    connect(m_labels, &QCheckBox::toggled, this, &TestCardDialog::refresh);
    connect(m_date, &QDateEdit::dateChanged, this, &TestCardDialog::refresh);
    connect(m_burn, &QPushButton::clicked, this, &TestCardDialog::burn);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    // What may stand in the way of burning changes with the machine and the job.
    connect(&m_session, &session::Session::offerChanged, this, &TestCardDialog::refresh);
    connect(&m_session, &session::Session::runChanged, this, &TestCardDialog::refresh);
    connect(&m_session.document(), &document::JobDocument::tuningChanged, this,
            &TestCardDialog::refresh);
    connect(&m_run, &session::TestCardRun::stateChanged, this, &TestCardDialog::refresh);
}

void TestCardDialog::spreadBurnTimes()
{
    m_burnTimes->setText(
        numbersText(materials::spreadBurnTimes(m_from->value(), m_to->value(), m_count->value())));
}

materials::TestCardPlan TestCardDialog::plan() const
{
    materials::TestCardPlan plan;
    plan.burnTimes = numbersIn(m_burnTimes->text()).value_or(QList<int>{});
    plan.levels =
        m_solid->isChecked() ? QList<int>{100} : numbersIn(m_levels->text()).value_or(QList<int>{});
    plan.patchMm = m_patch->value();
    plan.dotsPerMillimetre = m_session.dotsPerMillimetre();
    plan.tuning = m_session.document().tuning();
    plan.tuning.method =
        render::RightPanelEffects[std::size_t(std::max(0, m_method->currentIndex()))];
    plan.labels = m_labels->isChecked();
    plan.date = m_date->date();
    return plan;
}

void TestCardDialog::setPlan(const materials::TestCardPlan &plan)
{
    const QSignalBlocker spreading(m_burnTimes);
    m_burnTimes->setText(numbersText(plan.burnTimes));
    const bool solid = plan.levels == QList<int>{100};
    m_solid->setChecked(solid);
    m_levels->setText(numbersText(solid ? materials::TestCardPlan{}.levels : plan.levels));
    m_patch->setValue(plan.patchMm);
    const auto method = std::ranges::find(render::RightPanelEffects, plan.tuning.method);
    m_method->setCurrentIndex(method == render::RightPanelEffects.end()
                                  ? 0
                                  : int(method - render::RightPanelEffects.begin()));
    m_labels->setChecked(plan.labels);
    m_date->setDate(plan.date.isValid() ? plan.date : QDate::currentDate());
    refresh();
}

platform::Outcome TestCardDialog::checkNow(const materials::TestCard &card) const
{
    const auto refused = [](const QString &why) { return platform::Outcome::failed(why); };
    if (!numbersIn(m_burnTimes->text()))
        return refused(tr("Write the burn times as whole numbers separated by commas."));
    if (!m_solid->isChecked() && !numbersIn(m_levels->text()))
        return refused(tr("Write the grey levels as whole numbers separated by commas."));
    if (platform::Outcome burnable = card.check(); !burnable) return burnable;
    if (m_run.isActive()) return refused(tr("A test card is being burnt."));
    if (!m_session.machine().identified)
        return refused(tr("No machine is connected: the card can be seen, not burnt."));
    const run::JobModel::State state = m_session.model().state();
    if (state == run::JobModel::State::Running || state == run::JobModel::State::Paused)
        return refused(tr("A job is running: stop it before burning the card."));
    return platform::Outcome::done();
}

QString TestCardDialog::estimateText(const materials::TestCard &card) const
{
    using namespace std::chrono;
    const run::JobEstimator &estimator = m_session.estimator();
    milliseconds total{0};
    qint64 dots = 0;
    for (int c = 0; c < card.columns(); ++c) {
        const run::JobRaster raster(render::packUploadRaster(card.column(c)));
        dots += raster.dots();
        total += session::TestCardRun::ColumnUpload +
                 estimator.estimate(raster, card.plan().burnTimes[c]).duration;
    }
    const QString time = run::clockText(total);
    return tr("%1 burn times x %2 grey levels, patches of %3 dots, %4 dots in all; about %5.")
        .arg(card.columns())
        .arg(card.plan().levels.size())
        .arg(card.layout().patch)
        .arg(dots)
        .arg(time);
}

void TestCardDialog::refresh()
{
    m_error.clear();
    const materials::TestCard card(plan());
    m_tuning->setText(tr("Tuning: %1, as set in the effect chooser.")
                          .arg(tuningSummary(card.plan().tuning, false)));
    const platform::Outcome now = checkNow(card);
    const bool drawable = card.check().ok();
    m_status->setText(now        ? estimateText(card)
                      : drawable ? now.why() + u' ' + estimateText(card)
                                 : now.why());
    m_burn->setEnabled(now.ok());
    if (isVisible()) emit previewChanged(drawable ? card.board() : QImage());
}

void TestCardDialog::burn()
{
    const materials::TestCardPlan card = plan();
    const document::JobDocument &document = m_session.document();
    const bool sent = document.hasSentBoard() && !document.differsFromSent();
    if (!document.holdsOnlyBackground() && !sent &&
        !m_prompter.confirm(tr("The board holds a picture that was never sent. Replace it with "
                               "the test card?"),
                            tr("Material Test Card")))
        return;
    if (const platform::Outcome started = m_run.start(card); !started) {
        m_status->setText(started.why());
        return;
    }
    accept();
}

void TestCardDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    refresh();
}

void TestCardDialog::hideEvent(QHideEvent *event)
{
    emit previewChanged(QImage());
    QDialog::hideEvent(event);
}

void TestCardDialog::retranslate()
{
    setWindowTitle(tr("Material Test Card"));
    m_intro->setText(
        tr("Burns a patch of each grey level at each burn time, one column a burn time, lowest "
           "first. The card is shown on the board."));
    m_burnTimesLabel->setText(tr("Burn times:"));
    m_spreadLabel->setText(tr("Spread from, to, how many:"));
    m_levelsLabel->setText(tr("Grey levels (% black):"));
    m_solid->setText(tr("Solid patches only"));
    m_patchLabel->setText(tr("Patch size:"));
    m_patch->setSuffix(tr(" mm"));
    m_methodLabel->setText(tr("Method:"));
    const int method = m_method->currentIndex();
    m_method->clear();
    for (const render::Effect effect : render::RightPanelEffects)
        m_method->addItem(methodName(effect));
    m_method->setCurrentIndex(std::max(0, method));
    m_labels->setText(tr("Burn labels and the date:"));
    m_burn->setText(tr("Burn the Card"));
    m_close->setText(tr("Close"));
}

void TestCardDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        refresh();
    }
    QDialog::changeEvent(event);
}

}  // namespace tavro::ui
