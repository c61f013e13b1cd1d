// The job as the operator edits it: the board, what Reload brings back, the tuning, the burn
// time and the text font, and the board the machine was last sent.
#pragma once

#include "document/board_history.h"
#include "document/board_surface.h"
#include "document/job_file.h"
#include "document/placed_rendering.h"
#include "document/text_font.h"
#include "platform/outcome.h"
#include "render/picture_tuning.h"

#include <QByteArray>
#include <QDateTime>
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>

namespace tavro::document {

// Windows show the document and ask for changes; none of them keeps a fact of the job.
class JobDocument final : public QObject {
    Q_OBJECT
public:
    static constexpr int ZoomMargin = 10;
    static constexpr int ZoomSize = 482;

    JobDocument(const render::PictureTuning &tuning, const TextFontSettings &font, int burnTime,
                QObject *parent = nullptr);

    // Exactly what is burnt, without the machine's trace: 512 x 512.
    const QImage &board() const { return m_surface.image(); }
    const QImage &rememberedImage() const { return m_remembered; }
    // The text of the last drop: one path, or every path followed by CR LF.
    const QString &picturePath() const { return m_picturePath; }
    const render::PictureTuning &tuning() const { return m_tuning; }
    int burnTime() const { return m_burnTime; }
    const TextFontSettings &font() const { return m_font; }
    // Nothing was drawn since a background (a drop hint, or white) was installed.
    bool holdsOnlyBackground() const { return m_onlyBackground; }

    // The board the machine holds, as it was packed, and when its block went out.
    bool hasSentBoard() const { return !m_sentRaster.isEmpty(); }
    const QDateTime &sentAt() const { return m_sentAt; }
    // What would burn differs from what the machine holds.
    bool differsFromSent() const { return m_differsFromSent; }
    void markSent(const QByteArray &raster, const QDateTime &when);

    // The job file it was opened from or saved as; empty for a new picture.
    const QString &path() const { return m_path; }
    // The board changed since it was opened or saved.
    bool isModified() const { return m_modified; }
    void markSaved(const QString &path);

    // The board: each emits boardChanged() and can be undone.
    void setBackgroundPicture(const QImage &picture);
    void clearBoard();
    void reloadPicture();
    void zoomOutBoard();
    void rotateBoard();
    // A rendering made elsewhere (a kept job, a test card): a white board with it at (0, 0),
    // remembered for Reload. It cannot be moved or resized.
    void placeRendering(const QImage &rendering);
    // A picture chosen in the effect chooser, rendered at its placement; it can be moved and
    // resized until the board is zoomed out, rotated, cleared or replaced. Anywhere but the
    // default placement it is first shown there, then placed as setPlacement() does.
    void placeRendering(const PlacedRendering &rendering);
    // Lines split at CR LF, CR or LF, one line height plus 2 apart, in the document's font.
    void writeText(QPoint origin, const QString &text);

    // Where the chosen picture lies, while it can be moved; nothing otherwise. A placement asked
    // for while the picture is being decoded is here at once, and on the board once it lands.
    std::optional<Placement> placement() const;
    // Where the board shows the picture now: placement() but while a decoding holds it back.
    std::optional<Placement> placementOnBoard() const;
    // The picture's own proportions, which a new width or height keeps.
    QSize pictureSize() const;
    // The picture rendered again at a new place, size or mirroring, as one step; text written on
    // the board stays where it was. Failed when nothing changed. Never waits for the picture's
    // decoding: while it runs the request is done, and the board follows when it lands, or
    // placementFailed() says why it could not.
    platform::Outcome setPlacement(const Placement &placement);
    // The chosen picture rendered again with this tuning (its method too, unless black and
    // white), as one step, as setPlacement() does; failed when no picture can be.
    platform::Outcome redrawWithTuning(const render::PictureTuning &tuning);

    // Back and forth through the board's changes; nothing is sent, the sent mark follows.
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    void undo();
    void redo();
    const BoardHistory &history() const { return m_history; }

    // A new picture is a new job: no file yet.
    void setPicturePath(const QString &path);
    void setTuning(const render::PictureTuning &tuning);
    void setBurnTime(int burnTime);
    void setFont(const TextFontSettings &font);

    JobFile toJobFile() const;
    // An opened job: the board byte for byte, never refitted, and everything that goes with it.
    void restore(const JobFile &job, const QString &path);

    // The lines of a text as they are burnt.
    static QStringList splitLines(const QString &text);
    // The pixel at (x, y) of a W x H picture goes to (H - 1 - y, x).
    static QImage rotatedQuarterTurn(const QImage &picture);

signals:
    void boardChanged();
    void tuningChanged(const tavro::render::PictureTuning &tuning);
    void burnTimeChanged(int burnTime);
    void fontChanged(const tavro::document::TextFontSettings &font);
    // differsFromSent() or the sent board changed.
    void sentChanged();
    // The path or the modified mark changed.
    void fileChanged();
    // What Undo and Redo can do changed.
    void historyChanged();
    // placement() changed while the board stayed as it was.
    void placementChanged();
    // A placement that waited for the picture's decoding cannot be made; the board is as it was.
    void placementFailed(const QString &why);

private:
    void boardEdited(bool onlyBackground);
    void compare();
    BoardState currentState() const;
    void restoreState(const BoardState &state);
    // Before a change: the board as it is can be gone back to.
    void recordUndo();
    // The picture is no longer what the board shows apart from its text.
    void forgetPlacement();
    void showRendering(const PlacedRendering &rendering, const QImage &rendered);
    void showChosen(const QImage &rendering);
    // The board rendered as asked, at once when the picture allows, else once it is decoded.
    platform::Outcome render(const PlacedRendering &wanted);
    void decodingLanded();
    // The picture that can be placed keeps its decoded pixels; one that no longer can frees them.
    void keepDecodedPicture();

    BoardSurface m_surface;
    QImage m_remembered;
    QString m_picturePath;
    render::PictureTuning m_tuning;
    TextFontSettings m_font;
    int m_burnTime;
    bool m_onlyBackground = true;
    std::optional<PlacedRendering> m_rendering;  // how m_remembered was rendered
    bool m_placeable = false;                    // the board is that rendering and m_ink
    QImage m_ink;                                // text written since, transparent elsewhere
    std::optional<PlacedRendering> m_pending;    // asked for, waiting for the decoding
    QFutureWatcher<void> m_decoding;
    ChosenPicture m_decoded;  // the placeable picture, the one that keeps its decoded pixels
    BoardHistory m_history;

    QByteArray m_sentRaster;
    QDateTime m_sentAt;
    bool m_differsFromSent = false;

    QString m_path;
    QImage m_savedBoard;
    bool m_modified = false;
};

}  // namespace tavro::document
