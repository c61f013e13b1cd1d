#include "platform/whole_file.h"

#include <QSaveFile>

namespace tavro::platform {

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    // The last buffered bytes go out on flush. QSaveFile::commit() (Qt 6.4) does not see an
    // error there, and would rename a cut-off file over the old one; so flush first and look.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace tavro::platform
