#include "shell/board_look.h"

#include "session/session.h"
#include "ui/preview_board.h"

namespace tavro::shell {

BoardLook::BoardLook(ui::PreviewBoard &board, session::Session &session, QObject *parent)
    : QObject(parent), m_board(board), m_session(session)
{
    const materials::MaterialPresets &materials = session.materials();
    using M = materials::MaterialPresets;
    connect(&materials, &M::presetsChanged, this, &BoardLook::apply);
    connect(&materials, &M::chosenChanged, this, &BoardLook::apply);
    connect(&materials, &M::asItWillBurnChanged, this, &BoardLook::apply);
    connect(&session.document(), &document::JobDocument::tuningChanged, this, &BoardLook::apply);
    apply();
}

void BoardLook::showPreview(const QImage &card)
{
    if (card.isNull() && m_preview.isNull()) return;
    m_preview = card;
    m_applied = false;
    apply();
}

void BoardLook::apply()
{
    const materials::MaterialPresets &materials = m_session.materials();
    std::optional<render::BurnLook> look;
    if (materials.asItWillBurn()) look = materials.look(m_session.document().tuning().dotDiameter);
    // A tuning change that leaves the look as it was needs no new view.
    if (m_applied && look == m_look) return;
    m_applied = true;
    m_look = look;
    if (!look && m_preview.isNull()) {
        m_board.setPresenter({});
        return;
    }
    std::optional<render::AsItWillBurn> view;
    if (look) view.emplace(*look);
    m_board.setPresenter([view, preview = m_preview](const QImage &board) {
        const QImage &shown = preview.isNull() ? board : preview;
        return view ? view->render(shown) : shown;
    });
}

}  // namespace tavro::shell
