#include "document/board_history.h"

#include <QHash>
#include <QSet>

#include <array>

namespace tavro::document {

struct CompactImage::Data {
    QImage pixels;  // Format_Mono, Format_Indexed8 or the picture itself
    QImage::Format format = QImage::Format_Invalid;
    // Pictures known to hold exactly these pixels: the one it was made from and those it gave
    // out since. A few are enough to find the board again after an undo.
    std::array<qint64, 4> keys{};
    std::size_t nextKey = 0;

    void know(qint64 key) { keys[nextKey++ % keys.size()] = key; }
};

namespace {

// The colours of a picture, or nothing when it has more than 256. Boards mostly hold two, so
// those are looked at before the table.
std::optional<QList<QRgb>> fewColours(const QImage &image)
{
    QList<QRgb> colours;
    QSet<QRgb> seen;
    std::array<QRgb, 2> common{};
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            const qsizetype known = colours.size();
            if ((known > 0 && c == common[0]) || (known > 1 && c == common[1])) continue;
            if (seen.contains(c)) continue;
            if (colours.size() == 256) return std::nullopt;
            if (colours.size() < 2) common[std::size_t(colours.size())] = c;
            seen.insert(c);
            colours.append(c);
        }
    }
    return colours;
}

QImage indexed(const QImage &image, const QList<QRgb> &colours)
{
    const bool mono = colours.size() <= 2;
    QImage out(image.size(), mono ? QImage::Format_Mono : QImage::Format_Indexed8);
    out.setColorTable(colours.size() == 1 ? QList<QRgb>{colours[0], colours[0]} : colours);
    QHash<QRgb, int> index;
    for (int i = 0; i < colours.size(); ++i) index.insert(colours[i], i);
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *bits = out.scanLine(y);
        if (mono) {
            std::fill_n(bits, out.bytesPerLine(), uchar(0));
            const QRgb one = colours.size() == 2 ? colours[1] : ~colours[0];
            for (int x = 0; x < image.width(); ++x)
                if (line[x] == one) bits[x >> 3] |= uchar(0x80 >> (x & 7));
        } else {
            for (int x = 0; x < image.width(); ++x) bits[x] = uchar(index.value(line[x]));
        }
    }
    return out;
}

}  // namespace

CompactImage::CompactImage(const QImage &image)
{
    if (image.isNull()) return;
    m_data = std::make_shared<Data>();
    m_data->format = image.format();
    m_data->know(image.cacheKey());
    const bool words =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
    const std::optional<QList<QRgb>> colours = words ? fewColours(image) : std::nullopt;
    m_data->pixels = colours ? indexed(image, *colours) : image;
}

QImage CompactImage::image() const
{
    if (!m_data) return {};
    QImage out = m_data->pixels.format() == m_data->format
                     ? m_data->pixels
                     : m_data->pixels.convertToFormat(m_data->format);
    m_data->know(out.cacheKey());
    return out;
}

qsizetype CompactImage::bytes() const
{
    return m_data ? m_data->pixels.sizeInBytes() : 0;
}

bool CompactImage::standsFor(qint64 key) const
{
    return m_data && std::find(m_data->keys.begin(), m_data->keys.end(), key) != m_data->keys.end();
}

CompactImage BoardHistory::compact(const QImage &image, const QList<CompactImage> &made) const
{
    if (image.isNull()) return {};
    const qint64 key = image.cacheKey();
    // The remembered board is often the board itself.
    for (const CompactImage &c : made)
        if (c.standsFor(key)) return c;
    const auto find = [key](const BoardState &state) -> std::optional<CompactImage> {
        for (const CompactImage *c :
             {&state.board, &state.background, &state.remembered, &state.ink})
            if (c->standsFor(key)) return *c;
        return std::nullopt;
    };
    for (const BoardState *state :
         {m_undo.empty() ? nullptr : &m_undo.back(), m_redo.empty() ? nullptr : &m_redo.back(),
          m_lastHandedOut ? &*m_lastHandedOut : nullptr}) {
        if (!state) continue;
        if (std::optional<CompactImage> found = find(*state)) return *found;
    }
    return CompactImage(image);
}

BoardState BoardHistory::capture(const BoardImages &images) const
{
    BoardState state;
    QList<CompactImage> made;
    for (const auto &[image, kept] :
         {std::pair{&images.board, &state.board}, std::pair{&images.background, &state.background},
          std::pair{&images.remembered, &state.remembered}, std::pair{&images.ink, &state.ink}}) {
        *kept = compact(*image, made);
        made.append(*kept);
    }
    return state;
}

BoardImages BoardHistory::imagesOf(const BoardState &state)
{
    return {state.board.image(), state.background.image(), state.remembered.image(),
            state.ink.image()};
}

void BoardHistory::push(BoardState before)
{
    m_undo.push_back(std::move(before));
    m_redo.clear();
    trim();
}

std::optional<BoardState> BoardHistory::undo(BoardState current)
{
    if (m_undo.empty()) return std::nullopt;
    m_redo.push_back(std::move(current));
    m_lastHandedOut = std::move(m_undo.back());
    m_undo.pop_back();
    return m_lastHandedOut;
}

std::optional<BoardState> BoardHistory::redo(BoardState current)
{
    if (m_redo.empty()) return std::nullopt;
    m_undo.push_back(std::move(current));
    m_lastHandedOut = std::move(m_redo.back());
    m_redo.pop_back();
    return m_lastHandedOut;
}

void BoardHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_lastHandedOut.reset();
}

qsizetype BoardHistory::memoryBytes() const
{
    QSet<const void *> counted;
    qsizetype bytes = 0;
    const auto count = [&counted, &bytes](const BoardState &state) {
        for (const CompactImage *c :
             {&state.board, &state.background, &state.remembered, &state.ink}) {
            if (c->isNull() || counted.contains(c->identity())) continue;
            counted.insert(c->identity());
            bytes += c->bytes();
        }
        if (!state.rendering) return;
        const ChosenPicture &picture = state.rendering->picture;
        const void *identity = picture.identity();
        if (!identity || counted.contains(identity)) return;
        counted.insert(identity);
        bytes += picture.memoryBytes();
    };
    for (const BoardState &state : m_undo) count(state);
    for (const BoardState &state : m_redo) count(state);
    return bytes;
}

void BoardHistory::trim()
{
    while (m_undo.size() > std::size_t(MaxSteps)) m_undo.pop_front();
    while (m_undo.size() > std::size_t(MinSteps) && memoryBytes() > MemoryBudget)
        m_undo.pop_front();
}

}  // namespace tavro::document
