#include "pictures/svg_check.h"

#include "pictures/picture_format.h"

#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <QList>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tavro::pictures {

namespace {

using platform::Outcome;

constexpr qint64 Unknown = -1;
constexpr qint64 Visiting = -2;

// Every element in document order, with what a <use> among them draws again.
struct ElementGraph {
    QList<QList<qsizetype>> children;
    QList<QString> useTarget;  // the id after '#'; empty for all but <use>
    QMultiHash<QString, qsizetype> ids;
    QList<qint64> drawn;  // memo: elements drawn for each, or Unknown / Visiting
};

struct Walk {
    SvgFacts &facts;
    ElementGraph graph;
    QList<qsizetype> open;  // the elements enclosing the reader's position
    QList<bool> openStyle;  // of each, whether it is a <style>
};

Outcome refused(const QString &why)
{
    return Outcome::failed(why);
}

QString shortened(QStringView text)
{
    constexpr qsizetype Shown = 60;
    return text.size() <= Shown ? text.toString() : text.left(Shown).toString() + u"…"_s;
}

// url(...) must point into the document; @import would fetch a style sheet.
Outcome checkStyleText(QStringView text)
{
    if (text.contains(u"@import"_s, Qt::CaseInsensitive))
        return refused(SvgCheck::tr("it uses a style sheet from outside the picture"));
    static const QRegularExpression url(uR"(url\s*\(\s*['"]?\s*([^)'"]*))"_s,
                                        QRegularExpression::CaseInsensitiveOption);
    for (auto it = url.globalMatch(text); it.hasNext();) {
        const QStringView target = it.next().capturedView(1);
        if (!target.startsWith(u'#'))
            return refused(SvgCheck::tr("it refers to %1, outside the picture")
                               .arg(shortened(target.isEmpty() ? u"url()" : target)));
    }
    return Outcome::done();
}

// A picture embedded the way Qt's SVG module reads it: base64 after the last "base64,".
Outcome checkDataUrl(QStringView url)
{
    const auto unusable = [] {
        return refused(SvgCheck::tr("it embeds a picture that is too large or cannot be read"));
    };
    if (url.size() > SvgCheck::MaxDataUrlBytes) return unusable();
    const qsizetype base64 = url.lastIndexOf(u"base64,"_s);
    if (base64 < 0) return unusable();
    QByteArray bytes = QByteArray::fromBase64(url.sliced(base64 + 7).toLatin1());
    const PictureFormat format = sniffPictureFormat(bytes);
    if (qtFormatName(format).isEmpty() || !checkDecodingHazards(format, bytes)) return unusable();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QSize size = QImageReader(&buffer).size();
    if (!size.isValid() ||
        !fitsPictureLimit(size.width(), size.height(), SvgCheck::MaxEmbeddedPixels))
        return unusable();
    return Outcome::done();
}

// Qt's SVG module reads the file an <image> names, and a <use> of "other.svg#id" could only
// mean another file: a reference is inside the document or refused.
Outcome checkReference(QStringView element, QStringView href)
{
    if (element == u"image"_s) {
        if (href.startsWith(u"data:"_s)) return checkDataUrl(href);
    } else if (href.startsWith(u'#')) {
        return Outcome::done();
    }
    return refused(SvgCheck::tr("it refers to %1, outside the picture").arg(shortened(href)));
}

Outcome badSize()
{
    return refused(
        SvgCheck::tr("it declares a width, height or viewBox that is empty, negative or absurd"));
}

Outcome tooLarge()
{
    return refused(SvgCheck::tr("it declares a size larger than %1 mm").arg(SvgCheck::MaxSideMm));
}

// A length in millimetres; none when it is relative (%, em, ex, auto) or absent.
Outcome parseLength(QStringView text, std::optional<double> &mm)
{
    mm.reset();
    static const QRegularExpression length(
        uR"(^\s*([+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?)\s*([a-zA-Z%]*)\s*$)"_s);
    const QRegularExpressionMatch match = length.match(text);
    if (text.trimmed().isEmpty() || text.trimmed() == u"auto"_s) return Outcome::done();
    if (!match.hasMatch()) return badSize();
    const double value = match.capturedView(1).toDouble();
    const QString unit = match.captured(2).toLower();
    static const QHash<QString, double> mmPer{
        {u""_s, 25.4 / 96}, {u"px"_s, 25.4 / 96}, {u"pt"_s, 25.4 / 72}, {u"pc"_s, 25.4 / 6},
        {u"in"_s, 25.4},    {u"cm"_s, 10.0},      {u"mm"_s, 1.0}};
    if (!std::isfinite(value) || value <= 0) return badSize();
    if (unit == u"%"_s || unit == u"em"_s || unit == u"ex"_s) return Outcome::done();
    if (!mmPer.contains(unit)) return badSize();
    mm = value * mmPer.value(unit);
    return *mm > SvgCheck::MaxSideMm ? tooLarge() : Outcome::done();
}

Outcome parseViewBox(QStringView text, QRectF &box)
{
    box = {};
    if (text.trimmed().isEmpty()) return Outcome::done();
    static const QRegularExpression separators(uR"([\s,]+)"_s);
    const QList<QStringView> parts = text.trimmed().split(separators);
    if (parts.size() != 4) return badSize();
    double v[4];
    for (int i = 0; i < 4; ++i) {
        bool number = false;
        v[i] = parts[i].toDouble(&number);
        if (!number || !std::isfinite(v[i]) || std::abs(v[i]) > SvgCheck::MaxViewBox)
            return badSize();
    }
    if (v[2] <= 0 || v[3] <= 0) return badSize();
    box = QRectF(v[0], v[1], v[2], v[3]);
    return Outcome::done();
}

Outcome readRootSize(const QXmlStreamAttributes &attributes, SvgFacts &facts)
{
    std::optional<double> width;
    std::optional<double> height;
    if (Outcome read = parseLength(attributes.value(u"width"_s), width); !read) return read;
    if (Outcome read = parseLength(attributes.value(u"height"_s), height); !read) return read;
    if (Outcome read = parseViewBox(attributes.value(u"viewBox"_s), facts.viewBox); !read)
        return read;
    // One side and a viewBox give the other, as they do for Qt.
    const QRectF box = facts.viewBox;
    if (width && height)
        facts.sizeMm = QSizeF(*width, *height);
    else if (width && !box.isEmpty() && !attributes.hasAttribute(u"height"_s))
        facts.sizeMm = QSizeF(*width, *width * box.height() / box.width());
    else if (height && !box.isEmpty() && !attributes.hasAttribute(u"width"_s))
        facts.sizeMm = QSizeF(*height * box.width() / box.height(), *height);
    if (facts.sizeMm && qMax(facts.sizeMm->width(), facts.sizeMm->height()) > SvgCheck::MaxSideMm)
        return tooLarge();
    return Outcome::done();
}

Outcome startElement(Walk &walk, const QXmlStreamReader &reader)
{
    ElementGraph &graph = walk.graph;
    const qsizetype index = graph.children.size();
    if (index >= SvgCheck::MaxElements)
        return refused(SvgCheck::tr("it has more than %1 elements").arg(SvgCheck::MaxElements));
    if (walk.open.size() >= SvgCheck::MaxDepth)
        return refused(
            SvgCheck::tr("its elements are nested more than %1 deep").arg(SvgCheck::MaxDepth));
    const QStringView name = reader.name();
    if (walk.open.isEmpty() && name != u"svg"_s)
        return refused(SvgCheck::tr("it is not an SVG picture"));
    if (!walk.open.isEmpty()) graph.children[walk.open.last()].append(index);
    graph.children.append(QList<qsizetype>());
    graph.useTarget.append(QString());
    graph.drawn.append(Unknown);
    walk.open.append(index);
    walk.openStyle.append(name == u"style"_s);
    if (name == u"text"_s || name == u"textArea"_s) walk.facts.hasText = true;

    const QXmlStreamAttributes attributes = reader.attributes();
    if (index == 0) {
        if (Outcome size = readRootSize(attributes, walk.facts); !size) return size;
    }
    for (const QXmlStreamAttribute &attribute : attributes) {
        const QStringView value = attribute.value();
        if (attribute.name() == u"href"_s) {
            if (Outcome inside = checkReference(name, value); !inside) return inside;
            if (name == u"use"_s) graph.useTarget[index] = value.sliced(1).toString();
        } else if (attribute.name() == u"id"_s && attribute.prefix().isEmpty()) {
            graph.ids.insert(value.toString(), index);
        }
        if (Outcome style = checkStyleText(value); !style) return style;
    }
    return Outcome::done();
}

Outcome readToken(Walk &walk, QXmlStreamReader &reader)
{
    switch (reader.tokenType()) {
    case QXmlStreamReader::DTD:
        if (!reader.entityDeclarations().isEmpty() || reader.text().contains(u"<!ENTITY"_s))
            return refused(
                SvgCheck::tr("it declares entities, which could make it grow without end"));
        return Outcome::done();
    case QXmlStreamReader::ProcessingInstruction:
        if (reader.processingInstructionTarget() == u"xml-stylesheet"_s)
            return refused(SvgCheck::tr("it uses a style sheet from outside the picture"));
        return Outcome::done();
    case QXmlStreamReader::StartElement:
        return startElement(walk, reader);
    case QXmlStreamReader::EndElement:
        walk.open.removeLast();
        walk.openStyle.removeLast();
        return Outcome::done();
    case QXmlStreamReader::Characters:
        // Style sheets sit in <style>; url( in other text is only text.
        if (!walk.openStyle.isEmpty() && walk.openStyle.last())
            return checkStyleText(reader.text());
        return Outcome::done();
    default:
        return Outcome::done();
    }
}

// How many elements drawing `index` draws, every <use> followed; more than the limit stops
// the count. `hops` counts the <use> elements followed to get here.
Outcome countDrawn(ElementGraph &graph, qsizetype index, int hops, qint64 &count)
{
    qint64 &memo = graph.drawn[index];
    if (memo == Visiting) return refused(SvgCheck::tr("a <use> element refers to itself"));
    if (memo != Unknown) {
        count = memo;
        return Outcome::done();
    }
    if (hops > SvgCheck::MaxDepth)
        return refused(
            SvgCheck::tr("its elements are nested more than %1 deep").arg(SvgCheck::MaxDepth));
    graph.drawn[index] = Visiting;
    qint64 total = 1;
    const QList<qsizetype> reached = graph.children[index];
    const QList<qsizetype> targets = graph.ids.values(graph.useTarget[index]);
    for (qsizetype target : targets) {
        qint64 part = 0;
        if (Outcome counted = countDrawn(graph, target, hops + 1, part); !counted) return counted;
        total = qMin(total + part, SvgCheck::MaxDrawnElements + 1);
    }
    for (qsizetype child : reached) {
        qint64 part = 0;
        if (Outcome counted = countDrawn(graph, child, hops, part); !counted) return counted;
        total = qMin(total + part, SvgCheck::MaxDrawnElements + 1);
    }
    graph.drawn[index] = total;
    count = total;
    return Outcome::done();
}

}  // namespace

Outcome SvgCheck::check(const QByteArray &svg, SvgFacts &facts)
{
    facts = {};
    Walk walk{facts, {}, {}, {}};
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.hasError()) break;
        if (Outcome read = readToken(walk, reader); !read) return read;
    }
    if (reader.hasError() || walk.graph.children.isEmpty())
        return refused(tr("the SVG is damaged (line %1: %2)")
                           .arg(reader.lineNumber())
                           .arg(reader.hasError() ? reader.errorString() : tr("no elements")));
    qint64 drawn = 0;
    if (Outcome counted = countDrawn(walk.graph, 0, 0, drawn); !counted) return counted;
    if (drawn > MaxDrawnElements)
        return refused(
            tr("its <use> elements would draw more than %1 elements").arg(MaxDrawnElements));
    return Outcome::done();
}

}  // namespace tavro::pictures
