// The 4-byte frames of the machine protocol: opcodes, response codes, split values.
#pragma once

#include <QByteArray>

#include <cstdint>

namespace tavro::protocol {

// Commands, byte 1 of a frame sent to the machine.
inline constexpr int CmdJob = 0x01;
inline constexpr int CmdLocate = 0x02;
inline constexpr int CmdJog = 0x03;
inline constexpr int CmdRestart = 0x04;
inline constexpr int CmdBurnTime = 0x05;
inline constexpr int CmdNewImage = 0x06;
inline constexpr int CmdSkipRows = 0x07;
inline constexpr int CmdReverseMotor = 0x08;
inline constexpr int CmdIdentify = 0x09;
inline constexpr int CmdGotoX = 0x0A;
inline constexpr int CmdGotoY = 0x0B;
inline constexpr int CmdPowerOff = 0x0C;

// First argument of CmdJob and CmdLocate.
inline constexpr int JobStart = 0x01;
inline constexpr int JobPause = 0x02;
inline constexpr int JobRecarve = 0x03;
inline constexpr int LocateCentre = 0x01;
inline constexpr int LocateBox = 0x02;

// Directions of CmdJog; each is also the control byte written after the frame.
enum class JogDirection : int { Up = 0x01, Down = 0x02, Left = 0x03, Right = 0x04 };

// Control bytes written after CmdSkipRows.
inline constexpr int SkipBackwardByte = 0x55;
inline constexpr int SkipForwardByte = 0xAA;

// Responses, byte 1 of a frame received from the machine.
inline constexpr int RspIdentity = 0x01;
inline constexpr int RspFirmware = 0x02;
inline constexpr int RspPositionX = 0x03;
inline constexpr int RspPositionY = 0x04;
inline constexpr int RspImageRequest = 0x05;
inline constexpr int RspCarveDone = 0x06;
inline constexpr int RspMotorStatus = 0x07;
inline constexpr int RspNumber = 0x08;
// The machine's job state, which it sends with its answer to CmdIdentify: MachineIdle,
// MachineCarving, MachinePaused or MachineFinished in the first byte.
inline constexpr int RspMachineState = 0x09;
inline constexpr int RspBurnTime = 0x0A;

enum class MachineState : int { Idle = 0, Carving = 1, Paused = 2, Finished = 3 };

// The engraver this program drives: the product id of its RspIdentity, and the newest
// firmware version of RspFirmware it is known to work with.
inline constexpr int MachineProductId = 10;
inline constexpr int KnownFirmwareVersion = 2;

inline constexpr std::uint8_t FrameStart = 0xFF;
inline constexpr int FrameSize = 4;

// 0xFF, opcode, first, second, each cut to its low 8 bits.
QByteArray makeFrame(int opcode, int first, int second);

// A board coordinate travels as (v div 100, v mod 100).
struct SplitValue {
    int high = 0;
    int low = 0;
};
SplitValue splitCoordinate(int value);
// The reverse, for values the machine reports: first x 100 + second.
int joinValue(int first, int second);

}  // namespace tavro::protocol
