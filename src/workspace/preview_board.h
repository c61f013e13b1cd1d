// The 512 x 512 preview board: a persistent surface that holds exactly what will be burnt.
#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

namespace tavro::workspace {

// The board's mouse pointer, which is also what a left-button press means.
enum class BoardCursor { Default = 0, Arrow = 1, Cross = 2, IBeam = 3, Hourglass = 4 };

class PreviewBoard final : public QWidget {
    Q_OBJECT
public:
    static constexpr int Size = 512;

    explicit PreviewBoard(QWidget *parent = nullptr);

    // Repaints the whole surface with the background picture.
    void clear();
    // Installs a new background and repaints from it: what was drawn is gone.
    void setBackgroundPicture(const QImage &picture);
    QImage snapshot() const { return m_surface; }
    void drawPicture(const QImage &picture, int x, int y);
    // Stretched or shrunk; each target pixel averages the source pixels it covers.
    void drawPictureScaled(const QImage &picture, int x, int y, int width, int height);
    // Points off the surface are ignored.
    void drawPoint(int x, int y, QRgb colour);
    void writeTextAt(int x, int y, const QString &text);

    void setBoardFont(const QFont &font) { m_font = font; }
    QFont boardFont() const { return m_font; }
    void setBoardCursor(BoardCursor cursor);
    BoardCursor boardCursor() const { return m_cursor; }

signals:
    // A left-button press on the surface, in board pixels.
    void leftButtonPressed(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void updateSurface(const QRect &area);

    QImage m_surface;
    QImage m_background;
    QFont m_font;
    BoardCursor m_cursor = BoardCursor::Default;
};

}  // namespace tavro::workspace
