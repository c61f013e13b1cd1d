#include "link/trace_log.h"

#include <QDateTime>
#include <QLoggingCategory>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace tavro::link {
namespace {

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

}  // namespace

TraceLog::TraceLog(platform::SerialLine &line, MessageLog &log, QObject *parent)
    : QObject(parent), m_err(stderr)
{
    QLoggingCategory::setFilterRules(u"tavro.*=true"_s);
    connect(&line, &platform::SerialLine::received, this,
            [this](const QByteArray &bytes) { write(u"< "_s + hex(bytes)); });
    connect(&line, &platform::SerialLine::sent, this,
            [this](const QByteArray &bytes) { write(u"> "_s + hex(bytes)); });
    connect(&log, &MessageLog::textLogged, this, [this](QString text) {
        write(u"log "_s + text.replace(u"\r"_s, u"\\r"_s).replace(u"\n"_s, u"\\n"_s));
    });
}

void TraceLog::write(const QString &line)
{
    m_err << QDateTime::currentDateTime().toString(u"HH:mm:ss.zzz"_s) << u' ' << line << u'\n'
          << Qt::flush;
}

}  // namespace tavro::link
