// A second program writing a settings file: profile_writer FILE SECTION PREFIX COUNT writes
// PREFIX1=1 .. PREFIXCOUNT=COUNT; with PREFIX "+KEY" it adds 1 to KEY, COUNT times, from
// what the file holds each time. On a failed write it prints the reason and exits with 1.
#include "platform/file_name.h"
#include "settings/profile_file.h"

#include <cstdio>

using namespace tavro::settings;
using namespace tavro::platform;

int main(int argc, char **argv)
{
    const QStringList arguments = commandLineArguments(argc, argv);
    if (arguments.size() != 5) {
        std::fputs("usage: profile_writer FILE SECTION PREFIX COUNT\n", stderr);
        return 2;
    }
    ProfileFile file(arguments.at(1));
    const int count = arguments.at(4).toInt();
    const bool adding = arguments.at(3).startsWith(u'+');
    const auto addOne = [](const QString &stored) { return QString::number(stored.toInt() + 1); };
    for (int i = 1; i <= count; ++i) {
        const bool written = adding
                                 ? file.update(arguments.at(2), arguments.at(3).mid(1), addOne)
                                 : file.write(arguments.at(2), arguments.at(3) + QString::number(i),
                                              QString::number(i));
        if (!written) {
            std::fputs(qPrintable(file.lastError() + u'\n'), stderr);
            return 1;
        }
    }
    return 0;
}
