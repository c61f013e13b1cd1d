// What the preview board shows of the job: its pixels, or them as they will burn on the chosen
// material, or a test card's preview while its dialog is open.
#pragma once

#include "render/as_it_will_burn.h"

#include <QImage>
#include <QObject>

#include <optional>

namespace tavro::session {
class Session;
}  // namespace tavro::session
namespace tavro::ui {
class PreviewBoard;
}  // namespace tavro::ui

namespace tavro::shell {

class BoardLook final : public QObject {
    Q_OBJECT
public:
    BoardLook(ui::PreviewBoard &board, session::Session &session, QObject *parent = nullptr);

    // Shown instead of the job's board until a null picture ends it.
    void showPreview(const QImage &card);
    bool showsPreview() const { return !m_preview.isNull(); }

private:
    void apply();

    ui::PreviewBoard &m_board;
    session::Session &m_session;
    QImage m_preview;
    std::optional<render::BurnLook> m_look;  // as applied last
    bool m_applied = false;
};

}  // namespace tavro::shell
