#include "protocol/frames.h"

#include <cstdlib>

namespace tavro::protocol {

QByteArray makeFrame(int opcode, int first, int second)
{
    QByteArray frame(FrameSize, '\0');
    frame[0] = static_cast<char>(FrameStart);
    frame[1] = static_cast<char>(opcode & 0xFF);
    frame[2] = static_cast<char>(first & 0xFF);
    frame[3] = static_cast<char>(second & 0xFF);
    return frame;
}

SplitValue splitCoordinate(int value)
{
    // Computed on the magnitude: board coordinates are never negative.
    const int v = std::abs(value);
    return {v / 100, v % 100};
}

int joinValue(int first, int second)
{
    return first * 100 + second;
}

}  // namespace tavro::protocol
