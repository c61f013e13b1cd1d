#include "protocol/frame_assembler.h"

#include "protocol/frames.h"

namespace tavro::protocol {

bool FrameAssembler::push(std::uint8_t byte)
{
    if (byte == FrameStart) m_count = 0;
    m_frame[static_cast<std::size_t>(m_count)] = byte;
    ++m_count;
    if (m_count == FrameSize) {
        m_ready = 1;
        m_count = 0;
    }
    if (m_ready != 1) return false;
    if (m_frame[0] != FrameStart) {
        m_ready = 0;
        return false;
    }
    return true;
}

}  // namespace tavro::protocol
