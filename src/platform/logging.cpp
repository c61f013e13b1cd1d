#include "platform/logging.h"

namespace tavro {

Q_LOGGING_CATEGORY(lcSerial, "tavro.serial", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "tavro.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPicture, "tavro.picture", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLink, "tavro.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcJob, "tavro.job", QtWarningMsg)

}  // namespace tavro
