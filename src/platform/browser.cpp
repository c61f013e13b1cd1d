#include "platform/browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavro::platform {

void OpenMakerSite()
{
    QDesktopServices::openUrl(QUrl(MakerSite));
}

}  // namespace tavro::platform
