// tavro-burn --check: the connection check on the command line, in English.
#pragma once

#include "machine/connection_diagnosis.h"

#include <cstdio>

class QCommandLineParser;

namespace tavro::burn {

void addCheckOption(QCommandLineParser &parser);
bool checkRequested(const QCommandLineParser &parser);

// --check: every device the scan would try (or the one --port names) on standard output.
// 0 when a machine answers, 1 otherwise.
int runCheck(const QCommandLineParser &parser);

// Prints each device of `table` with what is known of it, its verdict and its fix, then one
// closing line; runs the event loop until the check is done. True when a machine answers.
// After a search that found nothing, Depth::Quick says why without asking the devices again.
bool printCheck(std::FILE *out, const platform::PortTable &table, bool listBuiltInPorts,
                machine::ConnectionDiagnosis::Depth depth);

}  // namespace tavro::burn
