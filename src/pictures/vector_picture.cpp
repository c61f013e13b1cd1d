#include "pictures/vector_picture.h"

#include "pictures/picture_format.h"
#include "pictures/svg_check.h"
#include "platform/file_name.h"
#include "platform/logging.h"
#include "platform/whole_file.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

using namespace Qt::Literals::StringLiterals;

namespace tavro::pictures {

namespace {

platform::Outcome unreadable(const QString &name, const QString &reason)
{
    qCInfo(lcPicture).noquote() << platform::displayFileName(name) << "cannot be read:" << reason;
    return platform::Outcome::failed(reason);
}

}  // namespace

platform::Result<VectorPicture> VectorPicture::fromData(const QByteArray &svg)
{
    SvgFacts facts;
    if (platform::Outcome safe = SvgCheck::check(svg, facts); !safe) return safe;
    // Only ever bytes: given a name, Qt's SVG module would read files itself.
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) return platform::Outcome::failed(tr("it cannot be drawn"));
    // Without a viewBox, user units are pixels at 96 per inch; Qt would take 90.
    QRectF viewBox = facts.viewBox;
    if (viewBox.isEmpty() && facts.sizeMm)
        viewBox = QRectF(QPointF(0, 0), *facts.sizeMm * (96 / 25.4));
    QSizeF natural = viewBox.isEmpty() ? renderer.viewBoxF().size() : viewBox.size();
    if (natural.isEmpty()) natural = renderer.defaultSize();
    if (natural.isEmpty()) return platform::Outcome::failed(tr("it has no size"));

    VectorPicture picture;
    picture.m_svg = svg;
    picture.m_defaultSizeMm = facts.sizeMm;
    picture.m_viewBox = viewBox;
    picture.m_hasText = facts.hasText;
    picture.m_naturalSize = natural;
    return picture;
}

platform::Result<VectorPicture> VectorPicture::fromFile(const QString &path)
{
    QByteArray data;
    if (platform::Outcome read = platform::readWholeFile(path, MaxFileBytes, data); !read)
        return unreadable(path, read.why());
    platform::Result<VectorPicture> picture = fromData(data);
    if (!picture) return unreadable(path, picture.why());
    return picture;
}

QImage VectorPicture::render(QSize dots) const
{
    if (dots.isEmpty() || !fitsPictureLimit(dots.width(), dots.height())) return {};
    if (m_hasText && !qobject_cast<QGuiApplication *>(QCoreApplication::instance())) return {};
    QImage image(dots, QImage::Format_RGB32);
    if (image.isNull()) return {};
    image.fill(Qt::white);
    QSvgRenderer renderer(m_svg);
    if (!m_viewBox.isEmpty()) renderer.setViewBox(m_viewBox);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(dots)));
    painter.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

}  // namespace tavro::pictures
