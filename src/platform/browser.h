// The web browser, and the project's own home page.
#pragma once

#include <QString>

namespace tavro::platform {

inline const QString MakerSite = QStringLiteral("https://tavro-laser.github.io/");

// Opens the home page in the default browser; what the browser does is its own affair.
void openMakerSite();

}  // namespace tavro::platform
