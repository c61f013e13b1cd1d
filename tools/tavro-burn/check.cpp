#include "check.h"

#include "machine/connection_diagnosis.h"
#include "machine/diagnosis_text.h"
#include "platform/qt_clock.h"
#include "terminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>

using namespace Qt::Literals::StringLiterals;

namespace tavro::burn {
namespace {

constexpr qsizetype LineWidth = 78;

void printWrapped(std::FILE *out, const QString &text, const QString &indent)
{
    QString line = indent;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (line.size() > indent.size() && line.size() + 1 + word.size() > LineWidth) {
            printLine(out, line);
            line = indent;
        }
        if (line.size() > indent.size()) line += u' ';
        line += word;
    }
    if (line.size() > indent.size()) printLine(out, line);
}

// The installed helper beside this program, or the one TAVRO_SERIAL_ACCESS names.
QString helperPath()
{
    const QString chosen = qEnvironmentVariable("TAVRO_SERIAL_ACCESS");
    if (!chosen.isEmpty()) return chosen;
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                           QStringLiteral(TAVRO_SERIAL_ACCESS_FROM_BIN));
}

void printDevice(std::FILE *out, const machine::SerialDevice &device,
                 const machine::DiagnosisReport &report)
{
    using machine::DiagnosisText;
    printLine(out, DiagnosisText::title(device));
    const QString indent = u"    "_s;
    printWrapped(out, DiagnosisText::facts(device), indent);
    printWrapped(out, DiagnosisText::verdict(device), indent);
    printWrapped(out, DiagnosisText::advice(device, report), indent);
    if (device.fix != machine::Fix::None) {
        const QStringList command = QStringList{helperPath()} + helperArguments(device.fix);
        printLine(out, indent + u"Fix: "_s + command.join(u' '));
    }
}

}  // namespace

void addCheckOption(QCommandLineParser &parser)
{
    parser.addOption(
        {u"check"_s,
         u"Check the connection instead of burning: list every serial device the search would "
         u"try (or the one --port names), what stands in the way and how to fix it. Exit "
         u"status 0 when a machine answers, 1 otherwise."_s});
}

bool checkRequested(const QCommandLineParser &parser)
{
    return parser.isSet(u"check"_s);
}

int runCheck(const QCommandLineParser &parser)
{
    const QString port = parser.value(u"port"_s);
    const platform::PortTable table =
        port.isEmpty() ? platform::PortTable::fromEnvironment() : platform::PortTable({port});
    const bool chosen = !port.isEmpty() || qEnvironmentVariableIsSet("TAVRO_PORTS");
    return printCheck(stdout, table, chosen, machine::ConnectionDiagnosis::Depth::Full) ? 0 : 1;
}

bool printCheck(std::FILE *out, const platform::PortTable &table, bool listBuiltInPorts,
                machine::ConnectionDiagnosis::Depth depth)
{
    machine::ConnectionDiagnosis::Options options;
    options.table = table;
    options.listBuiltInPorts = listBuiltInPorts;
    options.rulesRoot = qEnvironmentVariable("TAVRO_SERIAL_ACCESS_ROOT");
    platform::QtClock clock;
    machine::SerialIdentityProber prober(clock);
    machine::ConnectionDiagnosis diagnosis(std::move(options), clock, prober);
    QEventLoop loop;
    QObject::connect(&diagnosis, &machine::ConnectionDiagnosis::finished, &loop, &QEventLoop::quit);
    diagnosis.run(depth);
    loop.exec();

    const machine::DiagnosisReport &report = diagnosis.report();
    if (report.devices.isEmpty()) {
        printLine(out, machine::DiagnosisText::noDevices());
        return false;
    }
    for (const machine::SerialDevice &device : report.devices) {
        printDevice(out, device, report);
        printLine(out, {});
    }
    printLine(out, report.machineFound() ? u"A machine answers."_s
                                         : machine::DiagnosisText::summary(report));
    return report.machineFound();
}

}  // namespace tavro::burn
