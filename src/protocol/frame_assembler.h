// Builds 4-byte response frames from received bytes, resynchronising on 0xFF.
#pragma once

#include <array>
#include <cstdint>

namespace tavro::protocol {

class FrameAssembler {
public:
    // Takes one byte. True when a frame that starts with 0xFF is complete and
    // waits to be handled; call FrameHandled() once it has been.
    bool push(std::uint8_t byte);
    void frameHandled() { m_ready = 0; }

    int rxCount() const { return m_count; }
    int rxFrameReady() const { return m_ready; }

    int code() const { return m_frame[1]; }
    int first() const { return m_frame[2]; }
    int second() const { return m_frame[3]; }

private:
    std::array<std::uint8_t, 4> m_frame{};
    int m_count = 0;
    int m_ready = 0;
};

}  // namespace tavro::protocol
