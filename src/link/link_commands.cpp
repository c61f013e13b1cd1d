// The command table: one function per row, with its log text, pause and write order.
#include "link/engraver_link.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::link {

void EngraverLink::StartCarving()
{
    logSent(SendFrame(CmdJob, JobStart, 0), u"Start carving\r\n\r\n"_s);
}

void EngraverLink::PauseCarving()
{
    logSent(SendFrame(CmdJob, JobPause, 0), u"Engraving Pause !\r\n\r\n"_s);
}

void EngraverLink::RecarveJob()
{
    logSent(SendFrame(CmdJob, JobRecarve, 0), u"Recarve\r\n\r\n"_s);
}

// The location modes announce themselves before the frame goes out.
void EngraverLink::LocateToCentre(bool announce)
{
    if (announce) LogLine(u"Laser positioning to image center."_s);
    if (!SendFrame(CmdLocate, LocateCentre, 0)) logSent(false, u"Laser to the image centre"_s);
}

void EngraverLink::LocateToBox()
{
    LogLine(u"\r\nTo carve content will be limited in the box."_s);
    LogLine(u"Press the direction button to adjust the position."_s);
    if (!SendFrame(CmdLocate, LocateBox, 0)) logSent(false, u"Laser along the box"_s);
}

void EngraverLink::Jog(JogDirection direction, const QString &name)
{
    const int d = static_cast<int>(direction);
    const bool sent = SendFrame(CmdJog, d, 0) && SendByte(d);
    logSent(sent, u"Laser Movement : "_s + name + u"\r\n"_s);
    if (sent) m_clock.pause(JogPauseMs);
}

void EngraverLink::JogUp()
{
    Jog(JogDirection::Up, u"Up"_s);
}

void EngraverLink::JogDown()
{
    Jog(JogDirection::Down, u"Down"_s);
}

void EngraverLink::JogLeft()
{
    Jog(JogDirection::Left, u"Left"_s);
}

void EngraverLink::JogRight()
{
    Jog(JogDirection::Right, u"Right"_s);
}

void EngraverLink::RestartJob()
{
    logSent(SendFrame(CmdRestart, 0x01, 0), u"Restarting...\r\n\r\n"_s);
}

bool EngraverLink::SetBurnTime(int position)
{
    const bool sent = SendFrame(CmdBurnTime, position, 0);
    logSent(sent, u"Burning Time: "_s + QString::number(position) + u"\r\n"_s);
    return sent;
}

void EngraverLink::RequestNewImage()
{
    if (!SendFrame(CmdNewImage, 0, 0)) {
        logSent(false, u"Send Image To Machine"_s);
        return;
    }
    LogText(u"\r\n----------Please wait-----------\r\n"_s);
    LogText(u"Erasing Last Image...\r\n"_s);
}

void EngraverLink::SkipRowsBackward()
{
    logSent(SendFrame(CmdSkipRows, 0x01, 0) && SendByte(SkipBackwardByte),
            u"Fast Backward for 15 row\r\n\r\n"_s);
}

void EngraverLink::SkipRowsForward()
{
    logSent(SendFrame(CmdSkipRows, 0x02, 0) && SendByte(SkipForwardByte),
            u"Fast Forward for 15 row\r\n\r\n"_s);
}

void EngraverLink::ReverseMotorX()
{
    reverseMotor(0x01, u"X"_s);
}

void EngraverLink::ReverseMotorY()
{
    reverseMotor(0x02, u"Y"_s);
}

void EngraverLink::Identify()
{
    SendFrame(CmdIdentify, 0, 0);
}

void EngraverLink::GotoPoint(int x, int y)
{
    LogLine(u"Position to: %1,%2"_s.arg(x).arg(y));
    const SplitValue sx = SplitCoordinate(x);
    const SplitValue sy = SplitCoordinate(y);
    if (!SendFrame(CmdGotoX, sx.high, sx.low) || !SendFrame(CmdGotoY, sy.high, sy.low))
        logSent(false, u"Position to: %1,%2"_s.arg(x).arg(y));
}

bool EngraverLink::PowerOff()
{
    if (!SendFrame(CmdPowerOff, 0, 0)) {
        logSent(false, u"Power OFF"_s);
        return false;
    }
    // The caller ends the program right after: the frame must already be out.
    m_port.drain(PowerOffDrainMs);
    return true;
}

void EngraverLink::reverseMotor(int axis, const QString &name)
{
    if (SendFrame(CmdReverseMotor, axis, 0)) {
        m_prompter.inform(u"Saved !"_s, u"Info"_s);
        return;
    }
    logSent(false, name + u" Reverse once"_s);
    // "Saved !" would claim a change the machine never received.
    m_prompter.inform(u"Not saved: no machine connected."_s, u"Info"_s);
}

}  // namespace tavro::link
