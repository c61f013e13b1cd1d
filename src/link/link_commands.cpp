// The command table: one function per row, with its log text, pause and write order.
#include "link/engraver_link.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::link {

bool EngraverLink::startCarving()
{
    return logSent(sendFrame(protocol::CmdJob, protocol::JobStart, 0), u"Start carving\r\n\r\n"_s);
}

bool EngraverLink::pauseCarving()
{
    return logSent(sendFrame(protocol::CmdJob, protocol::JobPause, 0),
                   u"Engraving Pause !\r\n\r\n"_s);
}

bool EngraverLink::recarveJob()
{
    return logSent(sendFrame(protocol::CmdJob, protocol::JobRecarve, 0), u"Recarve\r\n\r\n"_s);
}

// The location modes announce themselves before the frame goes out.
void EngraverLink::locateToCentre(bool announce)
{
    if (announce) m_log.logLine(u"Laser positioning to image center."_s);
    if (!sendFrame(protocol::CmdLocate, protocol::LocateCentre, 0))
        logSent(false, u"Laser to the image centre"_s);
}

void EngraverLink::locateToBox()
{
    m_log.logLine(u"\r\nTo carve content will be limited in the box."_s);
    m_log.logLine(u"Press the direction button to adjust the position."_s);
    if (!sendFrame(protocol::CmdLocate, protocol::LocateBox, 0))
        logSent(false, u"Laser along the box"_s);
}

void EngraverLink::jog(protocol::JogDirection direction, const QString &name)
{
    const int d = static_cast<int>(direction);
    if (logSent(sendFrame(protocol::CmdJog, d, 0) && sendByte(d),
                u"Laser Movement : "_s + name + u"\r\n"_s))
        m_clock.pause(JogPause);
}

void EngraverLink::jogUp()
{
    jog(protocol::JogDirection::Up, u"Up"_s);
}

void EngraverLink::jogDown()
{
    jog(protocol::JogDirection::Down, u"Down"_s);
}

void EngraverLink::jogLeft()
{
    jog(protocol::JogDirection::Left, u"Left"_s);
}

void EngraverLink::jogRight()
{
    jog(protocol::JogDirection::Right, u"Right"_s);
}

bool EngraverLink::restartJob()
{
    return logSent(sendFrame(protocol::CmdRestart, 0x01, 0), u"Restarting...\r\n\r\n"_s);
}

bool EngraverLink::setBurnTime(int position)
{
    const bool sent = sendFrame(protocol::CmdBurnTime, position, 0);
    if (sent) {
        m_burnTimeSent = position & 0xFF;
        m_burnTimeSentAt = m_clock.now();
    }
    return logSent(sent, u"Burning Time: "_s + QString::number(position) + u"\r\n"_s);
}

bool EngraverLink::pauseAtExit()
{
    return m_port.writeAtExit(protocol::makeFrame(protocol::CmdJob, protocol::JobPause, 0));
}

bool EngraverLink::requestNewImage(const QByteArray &block)
{
    // In place before the erase goes out, so the block is whole whenever the request is taken.
    m_uploadRaster = block;
    if (!sendFrame(protocol::CmdNewImage, 0, 0)) {
        logSent(false, u"Send Image To Machine"_s);
        return false;
    }
    m_uploadPending = true;
    m_imageRequestTimer->setInterval(ImageRequestWait);
    m_log.logText(u"\r\n----------Please wait-----------\r\n"_s);
    m_log.logText(u"Erasing Last Image...\r\n"_s);
    return true;
}

bool EngraverLink::skipRowsBackward()
{
    return logSent(
        sendFrame(protocol::CmdSkipRows, 0x01, 0) && sendByte(protocol::SkipBackwardByte),
        u"Fast Backward for 15 row\r\n\r\n"_s);
}

bool EngraverLink::skipRowsForward()
{
    return logSent(sendFrame(protocol::CmdSkipRows, 0x02, 0) && sendByte(protocol::SkipForwardByte),
                   u"Fast Forward for 15 row\r\n\r\n"_s);
}

void EngraverLink::reverseMotorX()
{
    reverseMotor(0x01, u"X"_s);
}

void EngraverLink::reverseMotorY()
{
    reverseMotor(0x02, u"Y"_s);
}

void EngraverLink::identify()
{
    sendFrame(protocol::CmdIdentify, 0, 0);
}

void EngraverLink::gotoPoint(int x, int y)
{
    m_log.logLine(u"Position to: %1,%2"_s.arg(x).arg(y));
    const protocol::SplitValue sx = protocol::splitCoordinate(x);
    const protocol::SplitValue sy = protocol::splitCoordinate(y);
    if (!sendFrame(protocol::CmdGotoX, sx.high, sx.low) ||
        !sendFrame(protocol::CmdGotoY, sy.high, sy.low))
        logSent(false, u"Position to: %1,%2"_s.arg(x).arg(y));
}

bool EngraverLink::powerOff()
{
    if (!sendFrame(protocol::CmdPowerOff, 0, 0)) {
        logSent(false, u"Power OFF"_s);
        return false;
    }
    // The caller ends the program right after: the frame must already be out.
    m_port.drain(PowerOffDrain);
    return true;
}

void EngraverLink::reverseMotor(int axis, const QString &name)
{
    if (sendFrame(protocol::CmdReverseMotor, axis, 0)) {
        m_prompter.inform(u"Saved !"_s, u"Info"_s);
        return;
    }
    logSent(false, name + u" Reverse once"_s);
    // "Saved !" would claim a change the machine never received.
    m_prompter.inform(u"Not saved: no machine connected."_s, u"Info"_s);
}

}  // namespace tavro::link
