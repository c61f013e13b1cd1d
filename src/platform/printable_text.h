// Texts from outside (file names, device paths, process names) made safe to print on a terminal.
#pragma once

#include <QString>
#include <QStringView>

namespace tavro::platform {

// Every character a terminal would act on instead of showing is written as an escape, so a
// name cannot set the window title, clear the screen, start a line of its own or turn the
// line's text around: C0 controls (\n, \r, \t, others as \x1b), DEL, the C1 controls
// (\u0085), line and paragraph separators and the bidirectional controls. A name's bytes
// that were not valid UTF-8 show as U+FFFD, as displayFileName() shows them. The rest is
// kept, so a printable text comes back unchanged and escaping twice changes nothing.
QString printableText(QStringView text);

}  // namespace tavro::platform
