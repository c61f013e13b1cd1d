#include "common/whole_option.h"

#include <QCommandLineParser>

using namespace Qt::Literals::StringLiterals;

namespace tavro::cli {

platform::Outcome readWholeOption(const QCommandLineParser &parser, const QString &name, int min,
                                  int max, int &value)
{
    if (!parser.isSet(name)) return platform::Outcome::done();
    const QString given = parser.value(name);
    bool ok = false;
    const int read = given.trimmed().toInt(&ok);
    if (!ok || read < min || read > max)
        return platform::Outcome::failed(
            u"--%1 must be a whole number from %2 to %3, not '%4'"_s.arg(
                name, QString::number(min), QString::number(max), given));
    value = read;
    return platform::Outcome::done();
}

}  // namespace tavro::cli
