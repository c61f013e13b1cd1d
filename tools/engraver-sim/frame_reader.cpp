#include "engraver-sim/frame_reader.h"

#include <utility>

namespace tavro::sim {

namespace {
constexpr char Start = char(0xFF);
constexpr qsizetype FrameSize = 4;
}  // namespace

FrameReader::FrameReader(qsizetype imageSize) : m_imageSize(imageSize) {}

FrameReader::Input FrameReader::feed(char byte)
{
    if (m_receivingImage) {
        m_image.append(byte);
        if (m_image.size() < m_imageSize) return {};
        m_receivingImage = false;
        return {Kind::Image, std::exchange(m_image, {})};
    }
    if (m_awaitingControl) {
        m_awaitingControl = false;
        if (byte == m_control) return {Kind::Control, QByteArray(1, byte)};
    }
    // A start marker always begins a new frame; bytes outside a frame are noise.
    if (byte == Start)
        m_frame.clear();
    else if (m_frame.isEmpty())
        return {};
    m_frame.append(byte);
    if (m_frame.size() < FrameSize) return {};
    return {Kind::Frame, std::exchange(m_frame, {})};
}

void FrameReader::expectControl(char byte)
{
    m_awaitingControl = true;
    m_control = byte;
}

void FrameReader::expectImage()
{
    m_frame.clear();
    m_image.clear();
    m_image.reserve(m_imageSize);
    m_awaitingControl = false;
    m_receivingImage = true;
}

void FrameReader::abortImage()
{
    m_receivingImage = false;
    m_image.clear();
}

void FrameReader::reset()
{
    abortImage();
    m_frame.clear();
    m_awaitingControl = false;
}

}  // namespace tavro::sim
