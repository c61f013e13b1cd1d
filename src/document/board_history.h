// Undo and redo of the board: every state it was in, each kept small and shared where equal.
#pragma once

#include "document/placed_rendering.h"

#include <QImage>
#include <QList>

#include <deque>
#include <memory>
#include <optional>

namespace tavro::document {

// A picture kept in as few bits as its colours need: 1 a pixel for two colours (a rendering,
// a plain board), 8 for up to 256, all of them otherwise. Copies share; image() gives back
// every pixel exactly, in the format it was made from.
class CompactImage {
public:
    CompactImage() = default;
    explicit CompactImage(const QImage &image);

    QImage image() const;
    bool isNull() const { return !m_data; }
    qsizetype bytes() const;
    // The same pixels stand behind both: the history counts them once.
    const void *identity() const { return m_data.get(); }
    // Made from, or handed out as, the picture whose cacheKey() this is.
    bool standsFor(qint64 key) const;

private:
    struct Data;
    std::shared_ptr<Data> m_data;
};

// What the board was at one moment, and what it takes to go on editing it from there.
struct BoardState {
    CompactImage board;
    CompactImage background;  // what Clear, Zoom Out and Rotate repaint under the board
    CompactImage remembered;  // what Reload brings back
    CompactImage ink;         // text written over the placed picture since it was placed
    bool onlyBackground = true;
    // How `remembered` was rendered, and whether the board is still that rendering plus ink,
    // so the picture can be moved and resized.
    std::optional<PlacedRendering> rendering;
    bool placeable = false;
};

// The images of a board state as the document holds them.
struct BoardImages {
    QImage board;
    QImage background;
    QImage remembered;
    QImage ink;
};

class BoardHistory {
public:
    // At least this many steps are kept; more while they fit the budget, up to MaxSteps.
    static constexpr int MinSteps = 50;
    static constexpr int MaxSteps = 100;
    static constexpr qsizetype MemoryBudget = qsizetype(64) * 1024 * 1024;

    // A state of the board, its images made compact, shared with those the history holds.
    BoardState capture(const BoardImages &images) const;
    static BoardImages imagesOf(const BoardState &state);

    // The state before a change: it can be gone back to; what was undone cannot be redone.
    void push(BoardState before);
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // Give the current state; get the one to show. Nothing when there is none.
    std::optional<BoardState> undo(BoardState current);
    std::optional<BoardState> redo(BoardState current);
    void clear();

    // Pixels counted once however many steps share them; decoded pictures included (only the
    // picture that can be placed keeps one).
    qsizetype memoryBytes() const;

private:
    CompactImage compact(const QImage &image, const QList<CompactImage> &made) const;
    void trim();

    std::deque<BoardState> m_undo;  // oldest first
    std::deque<BoardState> m_redo;  // next redo last
    std::optional<BoardState> m_lastHandedOut;
};

}  // namespace tavro::document
