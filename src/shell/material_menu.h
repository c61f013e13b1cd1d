// The menus' entries for materials: the test card, the best patch, the presets, and the board
// as it will burn.
#pragma once

#include "shell/desktop.h"

#include <QObject>
#include <QPointer>

#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace tavro::session {
class Session;
class TestCardRun;
}  // namespace tavro::session

namespace tavro::ui {
class TestCardDialog;
}  // namespace tavro::ui

namespace tavro::shell {

class MainMenu;

class MaterialMenu final : public QObject {
    Q_OBJECT
public:
    enum Entry {
        TestCard,
        BestPatch,
        SavePreset,
        ExportPresets,
        ImportPresets,
        RemovePreset,
        AsItWillBurn,
        EntryCount
    };

    // Adds its entries to the machine and view menus; dialogs open over `window`.
    MaterialMenu(MainMenu &menu, session::Session &session, session::TestCardRun &card,
                 Desktop &desktop, QWidget &window, QObject *parent = nullptr);
    ~MaterialMenu() override;

    QAction &action(Entry entry) const { return *m_actions[std::size_t(entry)]; }
    // Open while the operator sets up a card; null otherwise.
    ui::TestCardDialog *testCardDialog() const;

    void openTestCard();
    void openBestPatch();
    void saveAsPreset();
    void exportPresets();
    void importPresets();
    void removePreset();

signals:
    // The card to show on the board in place of the job; a null picture ends it.
    void previewChanged(const QImage &card);

private:
    void build(MainMenu &menu);
    void makeConnections(MainMenu &menu);
    void retranslate();
    void showPresets();
    void showAvailability();
    void placeBesideBoard(QWidget &dialog) const;

    session::Session &m_session;
    session::TestCardRun &m_card;
    Desktop &m_desktop;
    BoxPrompter m_prompter;
    QWidget &m_window;
    std::array<QAction *, EntryCount> m_actions{};
    QMenu *m_machine = nullptr;
    QMenu *m_presets = nullptr;
    QActionGroup *m_presetGroup = nullptr;
    QPointer<ui::TestCardDialog> m_dialog;
};

}  // namespace tavro::shell
