#include "document/placement.h"

#include "document/document_settings.h"
#include "render/fit_picture.h"
#include "render/raster_constants.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tavro::document {
namespace {

// Far beyond any board: dotsOf() keeps millimetres within this, so that the checks can say so.
constexpr double ClampedDots = 100.0 * MaxPlacedSide;

// Beyond any board, as the operator may type it (1e308): in its shortest form, not 309 digits.
QString number(double value)
{
    if (std::abs(value) >= 1e9)
        return QLocale().toString(value, 'g', QLocale::FloatingPointShortest);
    return QLocale().toString(value, 'f', 1);
}

// Beyond the dots dotsOf() can give: named as asked, not as the clamped dots would make it.
platform::Outcome checkSide(double side, double dotsPerMillimetre)
{
    if (std::abs(side * dotsPerMillimetre) <= ClampedDots) return platform::Outcome::done();
    return platform::Outcome::failed(
        QCoreApplication::translate("tavro::document::Placement",
                                    "The picture cannot be %1 mm on a side: it can be at most "
                                    "%2 mm (%3 dots).")
            .arg(number(side), number(millimetres(MaxPlacedSide, dotsPerMillimetre)))
            .arg(MaxPlacedSide));
}

// The other side of a picture of `pictureSize` proportions, at least one dot.
int following(int side, int pictureSide, int pictureOther)
{
    if (pictureSide <= 0 || pictureOther <= 0) return side;
    return std::max(1, int(std::lround(double(side) * pictureOther / pictureSide)));
}

platform::Outcome checkSize(QSize size, double dotsPerMillimetre)
{
    if (size.width() <= MaxPlacedSide && size.height() <= MaxPlacedSide)
        return platform::Outcome::done();
    return platform::Outcome::failed(
        QCoreApplication::translate("tavro::document::Placement",
                                    "The picture would be %1 x %2 mm (%3 x %4 dots); it can "
                                    "be at most %5 mm (%6 dots) on a side.")
            .arg(number(millimetres(size.width(), dotsPerMillimetre)),
                 number(millimetres(size.height(), dotsPerMillimetre)))
            .arg(size.width())
            .arg(size.height())
            .arg(number(millimetres(MaxPlacedSide, dotsPerMillimetre)))
            .arg(MaxPlacedSide));
}

}  // namespace

QString dotsPerMillimetreText(double dotsPerMillimetre)
{
    return QString::number(dotsPerMillimetre, 'g', 6);
}

double loadDotsPerMillimetre(const settings::ProfileFile &file)
{
    return DotsPerMillimetre.read(file);
}

bool saveDotsPerMillimetre(settings::ProfileFile &file, double dotsPerMillimetre)
{
    return DotsPerMillimetre.write(file, dotsPerMillimetre);
}

bool Placement::isValid() const
{
    return rect.width() >= 1 && rect.height() >= 1 && rect.width() <= MaxPlacedSide &&
           rect.height() <= MaxPlacedSide &&
           rect.intersects(QRect(0, 0, render::BoardSize, render::BoardSize));
}

Placement defaultPlacement(QSize declaredSize)
{
    const render::FitRect fit =
        render::fitPicture(declaredSize.width(), declaredSize.height(), render::ProcessingSize);
    return {QRect(fit.left, fit.top, fit.width, fit.height)};
}

Placement placementAtOwnSize(QSize declaredSize, std::optional<QSizeF> sizeMm,
                             double dotsPerMillimetre)
{
    const Placement fitted = defaultPlacement(declaredSize);
    if (!sizeMm || !DotsPerMillimetreRange.contains(dotsPerMillimetre)) return fitted;
    const double width = sizeMm->width() * dotsPerMillimetre;
    const double height = sizeMm->height() * dotsPerMillimetre;
    if (!(width >= 1 && height >= 1 && width <= render::BoardSize && height <= render::BoardSize))
        return fitted;
    QRect rect(0, 0, qRound(width), qRound(height));
    rect.moveCenter(fitted.rect.center());
    return {rect};
}

Placement moved(const Placement &placement, QPoint topLeft)
{
    Placement out = placement;
    out.rect.moveTopLeft(topLeft);
    return out;
}

Placement resizedToWidth(const Placement &placement, QSize pictureSize, int width)
{
    Placement out = placement;
    width = std::clamp(width, 1, MaxPlacedSide);
    out.rect.setSize({width, following(width, pictureSize.width(), pictureSize.height())});
    return out;
}

platform::Result<Placement> applyPlacementRequest(const Placement &from, QSize pictureSize,
                                                  const PlacementRequest &request,
                                                  double dotsPerMillimetre)
{
    Placement out = from;
    QRect &rect = out.rect;
    QSize size = rect.size();
    for (const std::optional<double> side : {request.widthMm, request.heightMm}) {
        if (!side) continue;
        if (platform::Outcome fits = checkSide(*side, dotsPerMillimetre); !fits) return fits;
    }
    if (request.widthMm) {
        const int width = std::max(1, dotsOf(*request.widthMm, dotsPerMillimetre));
        size = {width, following(width, pictureSize.width(), pictureSize.height())};
    } else if (request.heightMm) {
        const int height = std::max(1, dotsOf(*request.heightMm, dotsPerMillimetre));
        size = {following(height, pictureSize.height(), pictureSize.width()), height};
    }
    if (platform::Outcome fits = checkSize(size, dotsPerMillimetre); !fits) return fits;
    const QPoint centre = rect.center();
    rect.setSize(size);
    rect.moveCenter(centre);
    if (request.leftMm) rect.moveLeft(dotsOf(*request.leftMm, dotsPerMillimetre));
    if (request.topMm) rect.moveTop(dotsOf(*request.topMm, dotsPerMillimetre));
    if (request.mirrorH) out.mirrorH = *request.mirrorH;
    if (request.mirrorV) out.mirrorV = *request.mirrorV;
    if (out.isValid()) return out;
    return platform::Outcome::failed(
        QCoreApplication::translate("tavro::document::Placement",
                                    "At %1 mm from the left and %2 mm from the top, "
                                    "no part of the picture would be on the board.")
            .arg(number(request.leftMm.value_or(millimetres(rect.left(), dotsPerMillimetre))),
                 number(request.topMm.value_or(millimetres(rect.top(), dotsPerMillimetre)))));
}

double millimetres(double dots, double dotsPerMillimetre)
{
    return dots / dotsPerMillimetre;
}

int dotsOf(double millimetres, double dotsPerMillimetre)
{
    const double dots = millimetres * dotsPerMillimetre;
    // Far beyond any board: kept finite and in range so that the checks can say so.
    if (!std::isfinite(dots)) return int(std::signbit(dots) ? -ClampedDots : ClampedDots);
    return int(std::lround(std::clamp(dots, -ClampedDots, ClampedDots)));
}

}  // namespace tavro::document
