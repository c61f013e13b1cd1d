#include "engraver-sim/machine.h"

#include <algorithm>

namespace tavro::sim {

namespace {
using namespace std::chrono_literals;

constexpr auto ImageGap = 2s;
// A dot is never made up for later than this; a stalled carve resumes at its own pace.
constexpr auto MaxLag = 100ms;
// Dots per advance(), so the lock is never held for a whole carve.
constexpr int DotsPerStep = 4096;
constexpr int JogStep = 8;
constexpr int Centre = Carver::Side / 2;

int byteAt(const QByteArray &bytes, int i)
{
    return static_cast<uchar>(bytes.at(i));
}
int coordinate(int value)
{
    return std::clamp(value, 0, Carver::Side - 1);
}
}  // namespace

Machine::Machine(const EngraverOptions &options)
    : m_options(options),
      m_burnTime(std::max(0, options.burnTime)),
      m_random(QRandomGenerator::global()->generate()),
      m_noise(options.noiseSeed)
{
    clearBurnt();
}

void Machine::receive(const QByteArray &bytes, Clock::time_point now)
{
    m_receivedBytes.append(bytes);
    for (const char byte : bytes) {
        if (m_powerOff) break;  // switched off: the rest falls on deaf ears
        if (m_reader.receivingImage()) {
            if (m_reader.imageBytesSoFar() == 0) m_imageStart = now;
            m_imageActivity = now;
        }
        const FrameReader::Input input = m_reader.feed(byte);
        switch (input.kind) {
        case FrameReader::Kind::None:
            break;
        case FrameReader::Kind::Control:
            m_frames.append(input.bytes);
            break;
        case FrameReader::Kind::Frame:
            handleFrame(input.bytes, now);
            break;
        case FrameReader::Kind::Image:
            m_lastImage = input.bytes;
            ++m_imagesReceived;
            m_lastImageSeconds = std::chrono::duration<double>(now - m_imageStart).count();
            m_carver.load(input.bytes);
            m_carvedRow = 0;
            m_stepQueued = false;
            break;
        }
    }
}

void Machine::advance(Clock::time_point now, qsizetype room)
{
    if (m_eraseDone && now >= *m_eraseDone) {
        m_eraseDone.reset();
        if (m_options.asksForImage) {
            send(0x05, 0, 0);
            m_reader.expectImage();
            m_imageActivity = now;
        }
    }
    if (m_reader.receivingImage() && now - m_imageActivity > ImageGap) m_reader.abortImage();
    carve(now, room);
}

std::optional<Machine::Clock::time_point> Machine::deadline(bool haveRoom) const
{
    std::optional<Clock::time_point> next = m_eraseDone;
    const auto consider = [&next](Clock::time_point t) { next = next ? std::min(*next, t) : t; };
    if (m_reader.receivingImage()) consider(m_imageActivity + ImageGap + 1ms);
    if (m_job == Job::Running && haveRoom) consider(m_nextDot);
    return next;
}

QByteArray Machine::takeOutput()
{
    return std::exchange(m_output, {});
}

bool Machine::takePowerOff()
{
    return std::exchange(m_powerOff, false);
}

void Machine::cableChanged()
{
    m_reader.reset();
}

bool Machine::reversed(int axis) const
{
    return (axis == 1 || axis == 2) && m_reversed[axis - 1];
}

void Machine::clearRecords()
{
    m_receivedBytes.clear();
    m_frames.clear();
}

void Machine::clearBurnt()
{
    m_burnt = QImage(Carver::Side, Carver::Side, QImage::Format_RGB32);
    m_burnt.fill(Qt::white);
}

void Machine::handleFrame(const QByteArray &frame, Clock::time_point now)
{
    m_frames.append(frame);
    const int a = byteAt(frame, 2);
    const int value = a * 100 + byteAt(frame, 3);
    switch (byteAt(frame, 1)) {
    case 0x01:
        job(a, now);
        break;
    case 0x02:
        locate(a);
        break;
    case 0x03:
        if (a < 1 || a > 4) break;
        m_reader.expectControl(char(a));
        jog(a);
        break;
    case 0x04:
        if (a != 1) break;
        m_job = Job::Idle;
        rewindCarver();
        m_head = {0, 0};
        break;
    case 0x05:
        m_burnTime = a;
        break;
    case 0x06:
        startErase(now);
        break;
    case 0x07:
        if (a == 1) {
            m_reader.expectControl(char(0x55));
            skipRows(-15);
        } else if (a == 2) {
            m_reader.expectControl(char(0xAA));
            skipRows(15);
        }
        break;
    case 0x08:
        if (a == 1 || a == 2) m_reversed[a - 1] = !m_reversed[a - 1];
        break;
    case 0x09:
        identify();
        break;
    case 0x0A:
        m_head.setX(coordinate(value));
        break;
    case 0x0B:
        m_head.setY(coordinate(value));
        report(m_head);
        break;
    case 0x0C:
        powerOff();
        break;
    default:
        break;  // unknown: recorded, nothing else
    }
}

void Machine::identify()
{
    send(0x01, m_options.productId, 0);
    send(0x02, m_options.firmware, 0);
    send(0x07, 1, 0);
    sendSplit(0x0A, m_burnTime);
    if (m_options.saysState) send(0x09, int(m_job), 0);
}

void Machine::job(int action, Clock::time_point now)
{
    const bool resume = action == 1 && m_job == Job::Paused;
    if (action == 2 && m_job == Job::Running) {
        m_job = Job::Paused;
        m_pausedWait = std::max(Clock::duration::zero(), m_nextDot - now);
    }
    if ((action == 1 && m_job != Job::Running) || action == 3) {
        if (!resume) {
            rewindCarver();
            m_dotsCarved = 0;
        }
        m_job = Job::Running;
        // A resumed carve still owes what was left of the step it paused in.
        m_nextDot = now + (resume ? m_pausedWait : Clock::duration::zero());
    }
}

void Machine::rewindCarver()
{
    m_carver.rewind();
    m_carvedRow = 0;
    m_stepQueued = false;
}

void Machine::locate(int mode)
{
    if (mode == 1) {
        m_head = {Centre, Centre};
        report(m_head);
    } else if (mode == 2) {
        const QRect box = m_carver.burnBounds();
        if (box.isNull()) return;
        for (const QPoint corner :
             {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()})
            report(corner);
        m_head = box.bottomLeft();
    }
}

void Machine::jog(int direction)
{
    static constexpr QPoint Steps[] = {{0, -JogStep}, {0, JogStep}, {-JogStep, 0}, {JogStep, 0}};
    const QPoint to = m_head + Steps[direction - 1];
    m_head = {coordinate(to.x()), coordinate(to.y())};
    report(m_head);
}

// From the row being carved, also while the head is on its way to the next one.
void Machine::skipRows(int rows)
{
    if (m_job != Job::Running && m_job != Job::Paused) return;
    m_carver.skipRows(m_carvedRow + rows - m_carver.row());
    m_stepQueued = false;
}

void Machine::startErase(Clock::time_point now)
{
    m_job = Job::Idle;
    m_carver.erase();
    m_carvedRow = 0;
    m_stepQueued = false;
    m_eraseDone = now + std::chrono::milliseconds(std::max(0, m_options.eraseMs));
}

void Machine::powerOff()
{
    m_job = Job::Idle;
    m_eraseDone.reset();
    m_reader.reset();
    m_powerOff = true;
}

// Each report goes out when the machine has done what comes before it: the travel to
// the dot (rows passed without dots, the move to its row), then the dot is burnt.
void Machine::carve(Clock::time_point now, qsizetype room)
{
    const Clock::duration dotTime = scaled(m_burnTime * m_options.dotUs / 1000.0);
    for (int i = 0; i < DotsPerStep; ++i) {
        if (m_job != Job::Running || m_output.size() >= room || m_nextDot > now) return;
        // The carver moves on only once the dot before is burnt.
        if (!m_stepQueued) {
            queueStep(now);
            if (m_nextDot > now) return;
        }
        m_stepQueued = false;
        const std::optional<Carver::Dot> dot = std::exchange(m_queuedDot, std::nullopt);
        if (!dot) {
            finishCarve();
            return;
        }
        if (dot->firstInRow) sendSplit(0x04, dot->y);
        sendSplit(0x03, dot->x + 1);  // the program draws one column left of this
        ++m_dotsCarved;
        for (const auto &[after, bytes] : m_options.strayAfterDots)
            if (after == m_dotsCarved) m_output.append(bytes);
        m_burnt.setPixel(dot->x, dot->y, qRgb(0, 0, 0));
        m_head = {dot->x, dot->y};
        m_carvedRow = dot->y;
        m_nextDot = std::max(m_nextDot + dotTime, now - MaxLag);
    }
}

void Machine::queueStep(Clock::time_point now)
{
    m_queuedDot = m_carver.next();
    m_stepQueued = true;
    double travelMs = m_carver.takeBlankRows() * m_options.blankRowMs;
    if (m_queuedDot && m_queuedDot->firstInRow) travelMs += m_options.rowMs;
    m_nextDot = std::max(m_nextDot + scaled(travelMs), now - MaxLag);
}

Machine::Clock::duration Machine::scaled(double ms) const
{
    if (m_options.fast || !(ms > 0)) return Clock::duration::zero();
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double, std::milli>(ms));
}

void Machine::finishCarve()
{
    m_job = Job::Done;
    send(0x06, 0, 0);
    if (!m_options.burnOut.isEmpty()) m_burnt.save(m_options.burnOut, "PNG");
}

void Machine::report(QPoint point)
{
    sendSplit(0x04, point.y());
    sendSplit(0x03, point.x() + 1);
}

void Machine::send(int code, int d1, int d2)
{
    if (m_options.silent) return;
    if (m_options.garbage) {
        const int count = int(m_random.bounded(1, 4));
        for (int i = 0; i < count; ++i) m_output.append(char(m_random.bounded(0, 0xFF)));
    }
    QByteArray frame;
    for (const int byte : {0xFF, code, d1, d2}) frame.append(char(byte));
    // While it carves, one frame in four gets a burst of 1 to 6 bytes, before it or inside it.
    if (m_options.noiseSeed != 0 && m_job == Job::Running && m_noise.bounded(4) == 0) {
        QByteArray burst;
        for (int i = int(m_noise.bounded(1, 7)); i > 0; --i)
            burst.append(char(m_noise.bounded(256)));
        frame.insert(qsizetype(m_noise.bounded(4)), burst);
    }
    m_output.append(frame);
}

void Machine::sendSplit(int code, int value)
{
    send(code, value / 100, value % 100);
}

}  // namespace tavro::sim
