#include "materials/material_presets.h"

#include "platform/file_name.h"
#include "platform/logging.h"
#include "platform/whole_file.h"

#include <QDir>

#include <algorithm>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace tavro::materials {
namespace {

using settings::ProfileFile;
using settings::ProfileText;

const QString HeadSection = u"Materials"_s;
const QString SectionPrefix = u"Preset"_s;
const QString NameKey = u"Name"_s;

QString presetSection(qsizetype number)
{
    return SectionPrefix + QString::number(number);
}

// N of a section [PresetN], N written without leading zeros; nothing for any other section.
std::optional<int> presetNumber(const QString &section)
{
    if (!section.startsWith(SectionPrefix, Qt::CaseInsensitive)) return std::nullopt;
    const QStringView digits = QStringView(section).sliced(SectionPrefix.size());
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (digits.isEmpty() || digits.size() > 9 || digits.front() == u'0' ||
        !std::ranges::all_of(digits, isDigit))
        return std::nullopt;
    return digits.toInt();
}

enum class Kind { NotOurs, Ours, Newer };

// Any larger number, however long, is a newer version's.
Kind versionKind(const QString &version)
{
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (version.isEmpty() || !std::ranges::all_of(version, isDigit)) return Kind::NotOurs;
    QStringView significant(version);
    while (significant.startsWith(u'0')) significant = significant.sliced(1);
    if (significant.isEmpty()) return Kind::NotOurs;
    if (significant.size() > 9 || significant.toInt() > MaterialPresets::Version)
        return Kind::Newer;
    return Kind::Ours;
}

struct Contents {
    Kind kind = Kind::NotOurs;
    QString version;
    QList<MaterialPreset> presets;
    QList<int> numbers;  // of every [PresetN] section there is, ascending
};

// Count is kept for earlier readers only: a count that went wrong would hide presets that
// are there, so the sections themselves are read, in order of N.
Contents contentsOf(const ProfileText &text)
{
    Contents contents;
    contents.version = text.value(HeadSection, u"Version"_s).value_or(QString());
    contents.kind = versionKind(contents.version);
    for (const QString &section : text.sectionNames())
        if (const std::optional<int> number = presetNumber(section)) contents.numbers << *number;
    std::ranges::sort(contents.numbers);
    contents.numbers.erase(std::unique(contents.numbers.begin(), contents.numbers.end()),
                           contents.numbers.end());
    if (contents.kind != Kind::Ours) return contents;
    for (const int number : std::as_const(contents.numbers)) {
        if (contents.presets.size() == MaterialPresets::MaxPresets) break;
        const QString section = presetSection(number);
        const std::optional<MaterialPreset> preset =
            materialPresetFromValues([&](const QString &key) { return text.value(section, key); });
        // A preset without a usable name is left out; the others are kept.
        if (!preset) continue;
        const auto same = [&](const MaterialPreset &p) { return p.name == preset->name; };
        if (std::ranges::none_of(contents.presets, same)) contents.presets << *preset;
    }
    return contents;
}

// The presets as [Preset1] to [PresetN] of `text`; any other section of a preset there is
// emptied of its name, so it reads as no preset at all.
QList<ProfileFile::Setting> settingsOf(const QList<MaterialPreset> &presets, const Contents &stored,
                                       const ProfileText &text)
{
    QList<ProfileFile::Setting> settings{
        {HeadSection, u"Version"_s, QString::number(MaterialPresets::Version)},
        {HeadSection, u"Count"_s, QString::number(presets.size())}};
    for (qsizetype i = 0; i < presets.size(); ++i)
        for (const auto &[key, value] : materialPresetValues(presets[i]))
            settings.append({presetSection(i + 1), key, value});
    for (const int number : stored.numbers)
        if (number > presets.size() &&
            !text.value(presetSection(number), NameKey).value_or(QString()).isEmpty())
            settings.append({presetSection(number), NameKey, QString()});
    return settings;
}

void replaceOrAdd(QList<MaterialPreset> &presets, const MaterialPreset &preset)
{
    for (MaterialPreset &p : presets) {
        if (p.name == preset.name) {
            p = preset;
            return;
        }
    }
    presets << preset;
}

QString newerVersion(const QString &shownPath, const QString &version)
{
    return MaterialPresets::tr(
               "%1 was written by a newer version of Tavro Laser (version %2); it is left as it "
               "is.")
        .arg(shownPath, version);
}

}  // namespace

MaterialPresets::MaterialPresets(const QString &settingsFolder, QObject *parent)
    : QObject(parent), m_file(QDir(settingsFolder).filePath(fileName()))
{
    load();
}

void MaterialPresets::load()
{
    QString unreadable;
    const ProfileText text = m_file.text(&unreadable);
    const Contents contents = contentsOf(text);
    const QString shown = platform::displayFileName(path());
    m_presets = contents.presets;
    m_problem = !unreadable.isEmpty()          ? tr("%1 cannot be read: %2.").arg(shown, unreadable)
                : contents.kind == Kind::Newer ? newerVersion(shown, contents.version)
                                               : QString();
    m_chosen = text.value(HeadSection, u"Chosen"_s).value_or(QString());
    m_asItWillBurn = text.value(HeadSection, u"AsItWillBurn"_s) == u"1"_s;
}

std::optional<MaterialPreset> MaterialPresets::find(const QString &name) const
{
    for (const MaterialPreset &preset : m_presets)
        if (preset.name == name) return preset;
    return std::nullopt;
}

platform::Outcome MaterialPresets::write(const PresetsChange &change, const QList<Setting> &head)
{
    const QString shown = platform::displayFileName(path());
    auto refusal = std::make_shared<QString>();
    // Decided from the file as it is at the moment of writing, under its lock, so a preset
    // another program saved meanwhile is kept.
    const auto editor = [change, head, shown, refusal](const ProfileText &stored) {
        const Contents contents = contentsOf(stored);
        ProfileFile::Edit edit{head, {}};
        if (contents.kind == Kind::Newer) {
            edit.refusal = newerVersion(shown, contents.version);
        } else if (change) {
            QList<MaterialPreset> presets = contents.presets;
            change(presets);
            if (presets.size() > MaxPresets)
                edit.refusal = tr("There can be at most 200 presets.");
            else
                edit.settings += settingsOf(presets, contents, stored);
        }
        *refusal = edit.refusal;
        return edit;
    };
    // Refused at once even when the write has to wait for another program's.
    editor(m_file.text());
    if (!refusal->isEmpty()) {
        qCWarning(lcSettings).noquote() << *refusal;
        return platform::Outcome::failed(*refusal);
    }
    if (m_file.edit(editor)) return platform::Outcome::done();
    if (!refusal->isEmpty()) return platform::Outcome::failed(*refusal);
    return platform::Outcome::failed(
        tr("The presets could not be saved in %1: %2.").arg(shown, m_file.lastError()));
}

platform::Outcome MaterialPresets::changePresets(const PresetsChange &change)
{
    platform::Outcome written = write(change, {});
    load();
    if (written) emit presetsChanged();
    return written;
}

platform::Outcome MaterialPresets::save(const MaterialPreset &preset)
{
    if (platform::Outcome named = checkPresetName(preset.name); !named) return named;
    if (!document::BurnTimeRange.contains(preset.burnTime) || !preset.tuning.isValid())
        return platform::Outcome::failed(tr("The preset's burn time or tuning is out of range."));
    return changePresets(
        [preset](QList<MaterialPreset> &presets) { replaceOrAdd(presets, preset); });
}

platform::Outcome MaterialPresets::remove(const QString &name)
{
    load();
    // Nothing to remove; a file that must not be written still says so.
    if (m_problem.isEmpty() && !find(name)) return platform::Outcome::done();
    return changePresets([name](QList<MaterialPreset> &presets) {
        presets.removeIf([&](const MaterialPreset &p) { return p.name == name; });
    });
}

platform::Outcome MaterialPresets::exportTo(const QString &path) const
{
    ProfileText text;
    text.set(settingsOf(m_presets, {}, text));
    const platform::Outcome written = platform::writeWholeFile(path, text.bytes());
    if (written) return written;
    return platform::Outcome::failed(tr("The presets could not be exported as %1: %2.")
                                         .arg(platform::displayFileName(path), written.why()));
}

platform::Result<int> MaterialPresets::importFrom(const QString &path)
{
    QByteArray bytes;
    const QString shown = platform::displayFileName(path);
    if (const platform::Outcome read = platform::readWholeFile(path, MaxExchangeBytes, bytes);
        !read)
        return platform::Outcome::failed(tr("%1 cannot be read: %2.").arg(shown, read.why()));
    const Contents incoming = contentsOf(ProfileText(bytes));
    if (incoming.kind != Kind::Ours) {
        return platform::Outcome::failed(
            tr("%1 was not imported: %2.")
                .arg(shown, incoming.kind == Kind::Newer
                                ? tr("it was written by a newer Tavro Laser")
                                : tr("it holds no material presets")));
    }
    platform::Outcome joined =
        changePresets([presets = incoming.presets](QList<MaterialPreset> &stored) {
            for (const MaterialPreset &preset : presets) replaceOrAdd(stored, preset);
        });
    if (!joined) return joined;
    return int(incoming.presets.size());
}

void MaterialPresets::setChosen(const QString &name)
{
    if (name == m_chosen) return;
    m_chosen = name;
    // A choice that cannot be kept is still this session's choice.
    static_cast<void>(write({}, {{HeadSection, u"Chosen"_s, name}}));
    emit chosenChanged(name);
}

render::BurnLook MaterialPresets::look(double diameter) const
{
    render::BurnLook look{.dotDiameter = diameter};
    if (const std::optional<MaterialPreset> preset = find(m_chosen)) {
        look.material = preset->material;
        look.burn = preset->burn;
    }
    return look;
}

void MaterialPresets::setAsItWillBurn(bool on)
{
    if (on == m_asItWillBurn) return;
    m_asItWillBurn = on;
    // Shown so in this session even when it cannot be kept.
    static_cast<void>(write({}, {{HeadSection, u"AsItWillBurn"_s, on ? u"1"_s : u"0"_s}}));
    emit asItWillBurnChanged(on);
}

}  // namespace tavro::materials
