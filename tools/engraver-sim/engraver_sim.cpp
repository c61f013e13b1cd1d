#include "engraver-sim/engraver_sim.h"

#include "engraver-sim/engraver_private.h"

#include <thread>

namespace tavro::sim {

namespace {
// Deep copies, so nothing the machine's thread goes on changing is shared with the caller.
QByteArray detached(const QByteArray &bytes)
{
    return QByteArray(bytes.constData(), bytes.size());
}
}  // namespace

Engraver::Engraver(EngraverOptions options)
    : d(std::make_unique<EngraverPrivate>(std::move(options)))
{
}

Engraver::~Engraver() = default;

bool Engraver::start(QString *error)
{
    return d->start(error);
}

QString Engraver::devicePath() const
{
    std::lock_guard lock(d->mutex);
    return d->options.linkPath.isEmpty() ? d->port.slavePath() : d->options.linkPath;
}

void Engraver::unplug()
{
    d->unplug();
}

bool Engraver::plugIn(QString *error)
{
    return d->plugIn(error);
}

bool Engraver::isPluggedIn() const
{
    std::lock_guard lock(d->mutex);
    return d->port.isOpen();
}

QByteArray Engraver::receivedBytes() const
{
    std::lock_guard lock(d->mutex);
    return detached(d->machine.receivedBytes());
}

QList<QByteArray> Engraver::receivedFrames() const
{
    std::lock_guard lock(d->mutex);
    QList<QByteArray> frames;
    frames.reserve(d->machine.receivedFrames().size());
    for (const QByteArray &frame : d->machine.receivedFrames()) frames.append(detached(frame));
    return frames;
}

QByteArray Engraver::receivedImage() const
{
    std::lock_guard lock(d->mutex);
    return detached(d->machine.lastImage());
}

int Engraver::imagesReceived() const
{
    std::lock_guard lock(d->mutex);
    return d->machine.imagesReceived();
}

double Engraver::lastImageSeconds() const
{
    std::lock_guard lock(d->mutex);
    return d->machine.lastImageSeconds();
}

bool Engraver::receivingImage() const
{
    std::lock_guard lock(d->mutex);
    return d->machine.receivingImage();
}

QImage Engraver::burnt() const
{
    std::lock_guard lock(d->mutex);
    return d->machine.burnt().copy();
}

bool Engraver::carving() const
{
    std::lock_guard lock(d->mutex);
    return d->machine.carving();
}

bool Engraver::paused() const
{
    std::lock_guard lock(d->mutex);
    return d->machine.paused();
}

bool Engraver::carveDone() const
{
    std::lock_guard lock(d->mutex);
    return d->machine.carveDone();
}

int Engraver::burnTime() const
{
    std::lock_guard lock(d->mutex);
    return d->machine.burnTime();
}

QPoint Engraver::head() const
{
    std::lock_guard lock(d->mutex);
    return d->machine.head();
}

bool Engraver::reversed(int axis) const
{
    std::lock_guard lock(d->mutex);
    return d->machine.reversed(axis);
}

void Engraver::clearRecords()
{
    std::lock_guard lock(d->mutex);
    d->machine.clearRecords();
}

void Engraver::clearBurnt()
{
    std::lock_guard lock(d->mutex);
    d->machine.clearBurnt();
}

bool Engraver::waitFor(const std::function<bool()> &condition, int timeoutMs) const
{
    using Clock = std::chrono::steady_clock;
    const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (Clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

QImage Engraver::pictureOf(const QByteArray &raster)
{
    QImage picture(Carver::Side, Carver::Side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    Carver carver;
    carver.load(raster);
    while (const std::optional<Carver::Dot> dot = carver.next())
        picture.setPixel(dot->x, dot->y, qRgb(0, 0, 0));
    return picture;
}

}  // namespace tavro::sim
