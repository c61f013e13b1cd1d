#include "shell/board_editing.h"

#include "document/placement.h"
#include "session/session.h"
#include "shell/desktop.h"
#include "shell/main_menu.h"
#include "ui/add_code_dialog.h"
#include "ui/elided_label.h"
#include "ui/machine_size_dialog.h"
#include "ui/placement_dialog.h"
#include "ui/preview_board.h"

#include <QAction>
#include <QMainWindow>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {
namespace {

QString mm(double dots, double scale)
{
    return QLocale().toString(document::millimetres(dots, scale), 'f', 1);
}

}  // namespace

BoardEditing::BoardEditing(MainMenu &menu, session::Session &session, ui::PreviewBoard &board,
                           QMainWindow &window, Desktop &desktop, QObject *parent)
    : QObject(parent),
      m_menu(menu),
      m_session(session),
      m_board(board),
      m_window(window),
      m_desktop(desktop)
{
    // Below the layout, which keeps its place; the window grows by the bar's height.
    m_bar = new QToolBar(&window);
    m_bar->setObjectName(u"boardBar"_s);
    m_bar->setMovable(false);
    m_bar->setFloatable(false);
    m_bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_bar->addActions(
        {&menu.action(session::CommandId::Undo), &menu.action(session::CommandId::Redo)});
    m_bar->addSeparator();
    m_bar->addActions({&menu.action(session::CommandId::MirrorLeftRight),
                       &menu.action(session::CommandId::MirrorTopBottom),
                       &menu.action(session::CommandId::SizeAndPosition)});
    m_bar->addSeparator();
    m_bar->addActions({&menu.action(MainMenu::ZoomOut), &menu.action(MainMenu::ZoomIn),
                       &menu.action(MainMenu::ActualSize)});
    window.addToolBar(Qt::BottomToolBarArea, m_bar);

    m_measure = new ui::ElidedLabel(&window);
    m_measure->setObjectName(u"statusMeasure"_s);
    m_measure->setContentsMargins(6, 0, 6, 0);
    m_measure->setLeastCharacters(10);
    window.statusBar()->addPermanentWidget(m_measure);
    makeConnections();
    retranslate();
    showEditable();
    showMeasure();
}

void BoardEditing::makeConnections()
{
    connect(&m_menu.action(session::CommandId::SizeAndPosition), &QAction::triggered, this,
            &BoardEditing::openPlacement);
    connect(&m_menu.action(session::CommandId::MachineSize), &QAction::triggered, this,
            &BoardEditing::openMachineSize);
    connect(&m_menu.action(MainMenu::AddCode), &QAction::triggered, this,
            &BoardEditing::openAddCode);
    connect(&m_menu.action(MainMenu::ZoomIn), &QAction::triggered, &m_board,
            &ui::PreviewBoard::zoomIn);
    connect(&m_menu.action(MainMenu::ZoomOut), &QAction::triggered, &m_board,
            &ui::PreviewBoard::zoomOut);
    connect(&m_menu.action(MainMenu::ActualSize), &QAction::triggered, &m_board,
            [this] { m_board.setZoom(1); });
    connect(&m_board, &ui::PreviewBoard::placementRequested, this, &BoardEditing::place);
    connect(&m_board, &ui::PreviewBoard::nudgeRequested, this, &BoardEditing::nudge);
    connect(&m_board, &ui::PreviewBoard::pointerMoved, this, [this](std::optional<QPoint> dot) {
        m_pointer = dot;
        showMeasure();
    });
    connect(&m_board, &ui::PreviewBoard::viewChanged, this, [this] {
        showEditable();
        showMeasure();
    });
    connect(&m_session.command(session::Session::SizeAndPosition), &session::Command::changed, this,
            &BoardEditing::showEditable);
    connect(&m_session.document(), &document::JobDocument::boardChanged, this,
            &BoardEditing::showMeasure);
    connect(&m_session.document(), &document::JobDocument::placementChanged, this,
            &BoardEditing::showMeasure);
    connect(&m_session.document(), &document::JobDocument::placementFailed, this,
            &BoardEditing::tellPlacementFailed);
    connect(&m_session, &session::Session::dotsPerMillimetreChanged, this,
            &BoardEditing::showMeasure);
    connect(&m_session, &session::Session::offerChanged, this, &BoardEditing::showMeasure);
    connect(&m_menu, &MainMenu::retranslated, this, &BoardEditing::retranslate);
}

void BoardEditing::retranslate()
{
    m_bar->setWindowTitle(tr("Board"));
    // A button needs no Alt key: "撤销(&U)" shows as "撤销", "&Undo" as "Undo".
    const QRegularExpression mnemonic(u"\\(&.\\)|&(?=.)"_s);
    for (QAction *action : m_bar->actions())
        if (!action->isSeparator()) action->setIconText(QString(action->text()).remove(mnemonic));
    showMeasure();
}

void BoardEditing::showEditable()
{
    const bool editable =
        !m_covered && m_session.command(session::Session::SizeAndPosition).isEnabled();
    m_board.setPlacementEditable(editable);
    m_menu.action(MainMenu::ZoomIn).setEnabled(m_board.zoom() < ui::PreviewBoard::MaxZoom);
    m_menu.action(MainMenu::ZoomOut).setEnabled(m_board.zoom() > 1);
    m_menu.action(MainMenu::ActualSize).setEnabled(m_board.zoom() > 1);
}

void BoardEditing::showPreview(bool covered)
{
    m_covered = covered;
    showEditable();
}

void BoardEditing::showMeasure()
{
    // The offer to resume needs the room.
    if (m_session.run().offer().open) {
        m_measure->hide();
        return;
    }
    const double scale = m_session.dotsPerMillimetre();
    QStringList parts;
    if (m_pointer)
        parts << tr("%1, %2 mm").arg(mm(m_pointer->x(), scale), mm(m_pointer->y(), scale));
    if (const std::optional<document::Placement> placement = m_session.document().placement())
        parts << tr("picture %1 x %2 mm")
                     .arg(mm(placement->rect.width(), scale), mm(placement->rect.height(), scale));
    if (m_board.zoom() > 1) parts << tr("%1x").arg(m_board.zoom());
    m_measure->setFullText(parts.join(u"  "_s));
    m_measure->setVisible(!parts.isEmpty());
}

void BoardEditing::nudge(QPoint direction, bool millimetre)
{
    std::optional<document::Placement> placement = m_session.document().placement();
    if (!placement) return;
    const int step =
        millimetre ? std::max(1, document::dotsOf(1.0, m_session.dotsPerMillimetre())) : 1;
    placement->rect.translate(direction * step);
    place(*placement);
}

void BoardEditing::place(const document::Placement &placement)
{
    if (const platform::Outcome placed = m_session.placePicture(placement); !placed)
        tellPlacementFailed(placed.why());
}

void BoardEditing::tellPlacementFailed(const QString &why)
{
    m_desktop.messageBox(why, BoxButtons::Ok, tr("Size and Position"));
}

void BoardEditing::openPlacement()
{
    if (!m_session.command(session::Session::SizeAndPosition).isEnabled()) return;
    if (!m_placementDialog) {
        m_placementDialog = new ui::PlacementDialog(m_session, &m_window);
        m_placementDialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_placementDialog->open();
}

void BoardEditing::openMachineSize()
{
    if (!m_sizeDialog) {
        m_sizeDialog = new ui::MachineSizeDialog(m_session, &m_window);
        m_sizeDialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_sizeDialog->open();
}

void BoardEditing::openAddCode()
{
    if (!m_codeDialog) {
        m_codeDialog = new ui::AddCodeDialog(m_session, &m_window);
        m_codeDialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_codeDialog->open();
}

}  // namespace tavro::shell
