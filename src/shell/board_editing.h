// What the operator does to the board beyond the layout's buttons: undo, placing the chosen
// picture in millimetres, magnifying the board, the machine's scale, and the status bar's
// measures. The Edit and View entries live in the menu bar and in a bar under the layout.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <optional>

class QLabel;
class QMainWindow;
class QToolBar;

namespace tavro::ui {
class ElidedLabel;
}  // namespace tavro::ui

namespace tavro::document {
struct Placement;
}  // namespace tavro::document

namespace tavro::ui {
class MachineSizeDialog;
class AddCodeDialog;
class PlacementDialog;
}  // namespace tavro::ui

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::ui {
class PreviewBoard;
}  // namespace tavro::ui

namespace tavro::shell {

class Desktop;
class MainMenu;

class BoardEditing final : public QObject {
    Q_OBJECT
public:
    BoardEditing(MainMenu &menu, session::Session &session, ui::PreviewBoard &board,
                 QMainWindow &window, Desktop &desktop, QObject *parent = nullptr);

    void openPlacement();
    void openMachineSize();
    void openAddCode();
    // While a preview covers the board (the test card), the picture under it stays put.
    void showPreview(bool covered);

private:
    void makeConnections();
    void retranslate();
    void showMeasure();
    void showEditable();
    void nudge(QPoint direction, bool millimetre);
    // Says why when the picture cannot lie there.
    void place(const document::Placement &placement);
    void tellPlacementFailed(const QString &why);

    MainMenu &m_menu;
    session::Session &m_session;
    ui::PreviewBoard &m_board;
    QMainWindow &m_window;
    Desktop &m_desktop;
    QToolBar *m_bar = nullptr;
    ui::ElidedLabel *m_measure = nullptr;
    std::optional<QPoint> m_pointer;
    bool m_covered = false;
    QPointer<ui::PlacementDialog> m_placementDialog;
    QPointer<ui::MachineSizeDialog> m_sizeDialog;
    QPointer<ui::AddCodeDialog> m_codeDialog;
};

}  // namespace tavro::shell
