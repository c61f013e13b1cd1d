#include "shell/material_menu.h"

#include "platform/file_name.h"
#include "session/session.h"
#include "session/test_card_run.h"
#include "shell/main_menu.h"
#include "ui/best_patch_window.h"
#include "ui/preset_dialog.h"
#include "ui/preview_board.h"
#include "ui/test_card_dialog.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {
namespace {

constexpr std::array<const char16_t *, MaterialMenu::EntryCount> EntryNames = {
    u"testCardAction",      u"bestPatchAction",    u"savePresetAction",  u"exportPresetsAction",
    u"importPresetsAction", u"removePresetAction", u"asItWillBurnAction"};

}  // namespace

MaterialMenu::MaterialMenu(MainMenu &menu, session::Session &session, session::TestCardRun &card,
                           Desktop &desktop, QWidget &window, QObject *parent)
    : QObject(parent),
      m_session(session),
      m_card(card),
      m_desktop(desktop),
      m_prompter(desktop),
      m_window(window)
{
    build(menu);
    makeConnections(menu);
    retranslate();
    showAvailability();
}

MaterialMenu::~MaterialMenu() = default;

ui::TestCardDialog *MaterialMenu::testCardDialog() const
{
    return m_dialog;
}

void MaterialMenu::build(MainMenu &menu)
{
    for (int e = 0; e < EntryCount; ++e) {
        m_actions[std::size_t(e)] = new QAction(this);
        m_actions[std::size_t(e)]->setObjectName(QString::fromUtf16(EntryNames[std::size_t(e)]));
    }
    m_machine = &menu.machineMenu();
    m_machine->addSeparator();
    m_machine->addActions({&action(TestCard), &action(BestPatch)});
    m_presets = m_machine->addMenu(QString());
    m_presets->setObjectName(u"materialMenu"_s);
    m_presetGroup = new QActionGroup(this);
    action(AsItWillBurn).setCheckable(true);
    action(AsItWillBurn).setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    menu.viewMenu().addAction(&action(AsItWillBurn));
}

void MaterialMenu::makeConnections(MainMenu &menu)
{
    // With the menus it sits in, at once: a LanguageChange event of its own came a turn later.
    connect(&menu, &MainMenu::retranslated, this, &MaterialMenu::retranslate);
    connect(&action(TestCard), &QAction::triggered, this, &MaterialMenu::openTestCard);
    connect(&action(BestPatch), &QAction::triggered, this, &MaterialMenu::openBestPatch);
    connect(&action(SavePreset), &QAction::triggered, this, &MaterialMenu::saveAsPreset);
    connect(&action(ExportPresets), &QAction::triggered, this, &MaterialMenu::exportPresets);
    connect(&action(ImportPresets), &QAction::triggered, this, &MaterialMenu::importPresets);
    connect(&action(RemovePreset), &QAction::triggered, this, &MaterialMenu::removePreset);
    const materials::MaterialPresets &materials = m_session.materials();
    connect(&action(AsItWillBurn), &QAction::toggled, &m_session,
            &session::Session::setAsItWillBurn);
    connect(&materials, &materials::MaterialPresets::asItWillBurnChanged, &action(AsItWillBurn),
            &QAction::setChecked);
    connect(&materials, &materials::MaterialPresets::presetsChanged, this,
            &MaterialMenu::showPresets);
    connect(&materials, &materials::MaterialPresets::chosenChanged, this,
            &MaterialMenu::showPresets);
    connect(&m_card, &session::TestCardRun::stateChanged, this, &MaterialMenu::showAvailability);
    connect(m_machine, &QMenu::aboutToShow, this, &MaterialMenu::showAvailability);
}

void MaterialMenu::showPresets()
{
    const materials::MaterialPresets &materials = m_session.materials();
    m_presets->clear();
    for (QAction *old : m_presetGroup->actions()) m_presetGroup->removeAction(old);
    const auto add = [this, &materials](const QString &text, const QString &name) {
        QAction *entry = m_presets->addAction(text);
        entry->setCheckable(true);
        entry->setChecked(name == materials.chosen());
        m_presetGroup->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, name] {
            if (name.isEmpty())
                m_session.setChosenMaterial(QString());
            else
                m_session.choosePreset(name);
        });
    };
    add(tr("No material"), QString());
    for (const materials::MaterialPreset &preset : materials.presets()) {
        QString text = preset.name;
        add(text.replace(u'&', u"&&"_s), preset.name);
    }
    m_presets->addSeparator();
    m_presets->addActions({&action(SavePreset), &action(RemovePreset)});
    m_presets->addSeparator();
    m_presets->addActions({&action(ExportPresets), &action(ImportPresets)});
    action(RemovePreset).setEnabled(materials.find(materials.chosen()).has_value());
    action(ExportPresets).setEnabled(!materials.presets().isEmpty());
    action(AsItWillBurn).setChecked(materials.asItWillBurn());
}

void MaterialMenu::showAvailability()
{
    action(BestPatch).setEnabled(m_session.lastCardFinished());
}

void MaterialMenu::openTestCard()
{
    if (!m_dialog) {
        m_dialog = new ui::TestCardDialog(m_session, m_card, m_prompter, &m_window);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_dialog, &ui::TestCardDialog::previewChanged, this, &MaterialMenu::previewChanged);
        placeBesideBoard(*m_dialog);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

// The board shows the card while the dialog is open: right of it, as far as the screen allows.
void MaterialMenu::placeBesideBoard(QWidget &dialog) const
{
    dialog.adjustSize();
    const auto *board = m_window.findChild<ui::PreviewBoard *>();
    const QRect screen = m_window.screen()->availableGeometry();
    QPoint at = m_window.geometry().topLeft() + QPoint(m_window.width() / 2, 40);
    if (board) at = board->mapToGlobal(QPoint(board->width() + 12, 0));
    at.setX(std::max(screen.left(), std::min(at.x(), screen.right() - dialog.width())));
    dialog.move(at);
}

void MaterialMenu::openBestPatch()
{
    const std::optional<materials::TestCardPlan> plan = m_session.lastCard();
    if (!plan) return;
    ui::BestPatchWindow window(m_session, *plan, &m_window);
    window.exec();
}

void MaterialMenu::saveAsPreset()
{
    ui::PresetDialog dialog(m_session, ui::PresetDialog::proposalFrom(m_session), &m_window);
    if (dialog.exec() == QDialog::Accepted) m_session.setChosenMaterial(dialog.preset().name);
}

void MaterialMenu::exportPresets()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = m_desktop.askFile(FileQuestion::ExportPresets,
                                           QDir(documents).filePath(u"materials.ini"_s), &m_window);
    if (path.isEmpty()) return;
    if (const platform::Outcome exported = m_session.exportPresets(path); !exported)
        m_desktop.messageBox(exported.why(), BoxButtons::Ok, tr("Export Presets"));
}

void MaterialMenu::importPresets()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = m_desktop.askFile(FileQuestion::ImportPresets, documents, &m_window);
    if (path.isEmpty()) return;
    const platform::Result<int> imported = m_session.importPresets(path);
    m_desktop.messageBox(imported ? tr("Presets imported from %1: %2.")
                                        .arg(platform::displayFileName(path))
                                        .arg(*imported)
                                  : imported.why(),
                         BoxButtons::Ok, tr("Import Presets"));
}

void MaterialMenu::removePreset()
{
    const materials::MaterialPresets &materials = m_session.materials();
    const QString name = materials.chosen();
    if (!materials.find(name)) return;
    if (m_desktop.messageBox(tr("Remove the preset %1?").arg(name), BoxButtons::OkCancel,
                             tr("Remove Preset")) != 0)
        return;
    if (const platform::Outcome removed = m_session.removePreset(name); !removed) {
        m_desktop.messageBox(removed.why(), BoxButtons::Ok, tr("Remove Preset"));
        return;
    }
    m_session.setChosenMaterial(QString());
}

void MaterialMenu::retranslate()
{
    action(TestCard).setText(tr("&Material Test Card…"));
    action(BestPatch).setText(tr("Choos&e the Best Patch…"));
    m_presets->setTitle(tr("M&aterial"));
    action(SavePreset).setText(tr("&Save as Preset…"));
    action(RemovePreset).setText(tr("&Remove Chosen Preset…"));
    action(ExportPresets).setText(tr("&Export Presets…"));
    action(ImportPresets).setText(tr("&Import Presets…"));
    action(AsItWillBurn).setText(tr("As It Will &Burn"));
    showPresets();
}

}  // namespace tavro::shell
