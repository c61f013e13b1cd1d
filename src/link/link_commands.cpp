// The command table: one function per row, with its log text, pause and write order.
#include "link/engraver_link.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::link {

void EngraverLink::StartCarving()
{
    SendFrame(CmdJob, JobStart, 0);
    m_view.LogText(u"Start carving\r\n\r\n"_s);
}

void EngraverLink::PauseCarving()
{
    SendFrame(CmdJob, JobPause, 0);
    m_view.LogText(u"Engraving Pause !\r\n\r\n"_s);
}

void EngraverLink::RecarveJob()
{
    SendFrame(CmdJob, JobRecarve, 0);
    m_view.LogText(u"Recarve\r\n\r\n"_s);
}

// The location modes announce themselves before the frame goes out.
void EngraverLink::LocateToCentre(bool announce)
{
    if (announce) LogLine(u"Laser positioning to image center."_s);
    SendFrame(CmdLocate, LocateCentre, 0);
}

void EngraverLink::LocateToBox()
{
    LogLine(u"\r\nTo carve content will be limited in the box."_s);
    LogLine(u"Press the direction button to adjust the position."_s);
    SendFrame(CmdLocate, LocateBox, 0);
}

void EngraverLink::Jog(JogDirection direction, const QString &name)
{
    const int d = static_cast<int>(direction);
    SendFrame(CmdJog, d, 0);
    SendByte(d);
    m_view.LogText(u"Laser Movement : "_s + name + u"\r\n"_s);
    m_clock.pause(JogPauseMs);
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
    SendFrame(CmdRestart, 0x01, 0);
    m_view.LogText(u"Restarting...\r\n\r\n"_s);
}

void EngraverLink::SetBurnTime(int position)
{
    SendFrame(CmdBurnTime, position, 0);
    LogLine(u"Burning Time: "_s + QString::number(position));
}

void EngraverLink::RequestNewImage()
{
    SendFrame(CmdNewImage, 0, 0);
    m_view.LogText(u"\r\n----------Please wait-----------\r\n"_s);
    m_view.LogText(u"Erasing Last Image...\r\n"_s);
}

void EngraverLink::SkipRowsBackward()
{
    SendFrame(CmdSkipRows, 0x01, 0);
    SendByte(SkipBackwardByte);
    m_view.LogText(u"Fast Backward for 15 row\r\n\r\n"_s);
}

void EngraverLink::SkipRowsForward()
{
    SendFrame(CmdSkipRows, 0x02, 0);
    SendByte(SkipForwardByte);
    m_view.LogText(u"Fast Forward for 15 row\r\n\r\n"_s);
}

void EngraverLink::ReverseMotorX()
{
    SendFrame(CmdReverseMotor, 0x01, 0);
    m_view.showMessage(u"Saved !"_s, u"Info"_s);
}

void EngraverLink::ReverseMotorY()
{
    SendFrame(CmdReverseMotor, 0x02, 0);
    m_view.showMessage(u"Saved !"_s, u"Info"_s);
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
    SendFrame(CmdGotoX, sx.high, sx.low);
    SendFrame(CmdGotoY, sy.high, sy.low);
}

void EngraverLink::PowerOff()
{
    // The caller ends the program right after: the frame must already be out.
    SendFrame(CmdPowerOff, 0, 0);
    m_port.drain(PowerOffDrainMs);
}

}  // namespace tavro::link
