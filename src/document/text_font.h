// The text font: the six values kept in section "Front" of the settings file.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace tavro::settings {
class ProfileFile;
}  // namespace tavro::settings

namespace tavro::document {

struct TextFontSettings {
    QString name = QStringLiteral("Arial");
    int size = 72;  // points
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;

    // Points on the board's nominal 96 dots per inch, so the board is the same everywhere.
    QFont toFont() const;
    // The same font sized in points for the font dialog, whose list holds only installed
    // faces: the face is the one that draws this name (Arial: its substitute).
    QFont toDialogFont() const;
    // The dialog's answer; an untouched face keeps the stored name, not its substitute.
    TextFontSettings fromDialogFont(const QFont &chosen) const;
    static TextFontSettings fromFont(const QFont &font);
};

TextFontSettings loadFontSettings(const settings::ProfileFile &file);
void saveFontSettings(settings::ProfileFile &file, const TextFontSettings &font);
QString fontFlagText(bool flag);

// The six values as "Key=Value" lines under the keys of section "Front", for a job file,
// and read back by the same rules as the settings file.
QStringList fontSettingsToLines(const TextFontSettings &font);
TextFontSettings fontSettingsFromLines(const QStringList &lines);

}  // namespace tavro::document
