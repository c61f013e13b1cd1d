// tavro-burn --check: the connection check on the command line, in English.
#pragma once

class QCommandLineParser;

namespace tavro::burn {

void addCheckOption(QCommandLineParser &parser);
bool checkRequested(const QCommandLineParser &parser);

// Prints every device the scan would try (or the one --port names) with what is known of it,
// its verdict and its fix. 0 when a machine answers, 1 otherwise.
int runCheck(const QCommandLineParser &parser);

}  // namespace tavro::burn
