// The program's logging categories: warnings show by default, everything with --trace.
#pragma once

#include <QLoggingCategory>

namespace tavro {

Q_DECLARE_LOGGING_CATEGORY(lcSerial)    // tavro.serial: ports opened, lost, refused writes
Q_DECLARE_LOGGING_CATEGORY(lcSettings)  // tavro.settings: the settings file
Q_DECLARE_LOGGING_CATEGORY(lcPicture)   // tavro.picture: pictures that could not be read
Q_DECLARE_LOGGING_CATEGORY(lcLink)      // tavro.link: the machine found, lost, answering
Q_DECLARE_LOGGING_CATEGORY(lcJob)       // tavro.job: what the job does

}  // namespace tavro
