#include "platform/browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavro::platform {

void openMakerSite()
{
    QDesktopServices::openUrl(QUrl(MakerSite));
}

}  // namespace tavro::platform
