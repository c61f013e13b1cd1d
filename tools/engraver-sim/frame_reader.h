// Splits the bytes from the program into command frames, control bytes and the raw image block.
#pragma once

#include <QByteArray>

namespace tavro::sim {

class FrameReader {
public:
    enum class Kind { None, Frame, Control, Image };
    struct Input {
        Kind kind = Kind::None;
        QByteArray bytes;  // the 4-byte frame, the control byte or the whole image block
    };

    explicit FrameReader(qsizetype imageSize);

    Input feed(char byte);

    // The next byte is taken as a control byte if it equals `byte`, else as ordinary input.
    void expectControl(char byte);
    // The next imageSize bytes are image data, 0xFF included.
    void expectImage();
    void abortImage();
    bool receivingImage() const { return m_receivingImage; }
    qsizetype imageBytesSoFar() const { return m_image.size(); }
    void reset();

private:
    qsizetype m_imageSize;
    QByteArray m_frame;
    QByteArray m_image;
    bool m_receivingImage = false;
    bool m_awaitingControl = false;
    char m_control = 0;
};

}  // namespace tavro::sim
