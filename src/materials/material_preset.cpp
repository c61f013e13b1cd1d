#include "materials/material_preset.h"

#include <QColor>
#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace tavro::materials {
namespace {

const QString NameKey = u"Name"_s;
const QString BurnTimeKey = u"BurnTime"_s;
const QString MaterialKey = u"Material"_s;
const QString BurnKey = u"Burn"_s;
const QString NotesKey = u"Notes"_s;

QString colourText(QRgb colour)
{
    return QColor(colour).name(QColor::HexRgb).toUpper();
}

void readColour(const std::optional<QString> &text, QRgb &colour)
{
    if (!text) return;
    const QString trimmed = text->trimmed();
    if (trimmed.size() != 7 || !trimmed.startsWith(u'#')) return;
    const QColor parsed = QColor::fromString(trimmed);
    if (parsed.isValid()) colour = parsed.rgb();
}

QString escapeNotes(const QString &notes)
{
    QString out;
    for (const QChar c : notes) {
        if (c == u'\\')
            out += u"\\\\"_s;
        else if (c == u'\n')
            out += u"\\n"_s;
        else if (c == u'\r')
            out += u"\\r"_s;
        else
            out += c;
    }
    return out;
}

QString unescapeNotes(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        out += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next;
    }
    return out.left(MaterialPreset::MaxNotesLength);
}

}  // namespace

platform::Outcome checkPresetName(const QString &name)
{
    const auto refused = [](const QString &why) { return platform::Outcome::failed(why); };
    if (name.trimmed().isEmpty())
        return refused(QCoreApplication::translate("tavro::materials::MaterialPresets",
                                                   "A preset needs a name."));
    if (name != name.trimmed())
        return refused(
            QCoreApplication::translate("tavro::materials::MaterialPresets",
                                        "A preset's name cannot begin or end with a blank."));
    if (name.size() > MaterialPreset::MaxNameLength)
        return refused(
            QCoreApplication::translate("tavro::materials::MaterialPresets",
                                        "A preset's name can have at most 64 characters."));
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control)
            return refused(QCoreApplication::translate("tavro::materials::MaterialPresets",
                                                       "A preset's name must be one line."));
    return platform::Outcome::done();
}

std::vector<std::pair<QString, QString>> materialPresetValues(const MaterialPreset &preset)
{
    std::vector<std::pair<QString, QString>> values{
        {NameKey, preset.name}, {BurnTimeKey, QString::number(preset.burnTime)}};
    for (auto &value : render::pictureTuningValues(preset.tuning))
        values.push_back(std::move(value));
    values.push_back({MaterialKey, colourText(preset.material)});
    values.push_back({BurnKey, colourText(preset.burn)});
    values.push_back({NotesKey, escapeNotes(preset.notes.left(MaterialPreset::MaxNotesLength))});
    return values;
}

std::optional<MaterialPreset> materialPresetFromValues(
    const std::function<std::optional<QString>(const QString &key)> &valueOf)
{
    MaterialPreset preset;
    preset.name = valueOf(NameKey).value_or(QString()).trimmed();
    if (!checkPresetName(preset.name)) return std::nullopt;
    if (const std::optional<QString> text = valueOf(BurnTimeKey)) {
        bool ok = false;
        const int burnTime = text->trimmed().toInt(&ok);
        if (ok && document::BurnTimeRange.contains(burnTime)) preset.burnTime = burnTime;
    }
    preset.tuning = render::pictureTuningFromValues(valueOf);
    readColour(valueOf(MaterialKey), preset.material);
    readColour(valueOf(BurnKey), preset.burn);
    preset.notes = unescapeNotes(valueOf(NotesKey).value_or(QString()));
    return preset;
}

}  // namespace tavro::materials
