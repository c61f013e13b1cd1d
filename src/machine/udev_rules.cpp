#include "machine/udev_rules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace tavro::machine {
namespace {

// In the order udev lets one hide another.
constexpr const char16_t *RuleFolders[] = {u"/etc/udev/rules.d", u"/run/udev/rules.d",
                                           u"/usr/local/lib/udev/rules.d", u"/usr/lib/udev/rules.d",
                                           u"/lib/udev/rules.d"};

}  // namespace

UdevRules::UdevRules(QString root) : m_root(std::move(root)) {}

bool UdevRules::accessRuleInstalled() const
{
    for (const char16_t *folder : RuleFolders) {
        const QFileInfo rule(m_root + QString::fromUtf16(folder) + u"/70-tavro-serial.rules"_s);
        if (!rule.exists() && !rule.isSymLink()) continue;
        QFile file(rule.filePath());
        return rule.isFile() && file.open(QIODevice::ReadOnly) &&
               file.readAll().contains("uaccess");
    }
    return false;
}

bool UdevRules::brlttyRuleMasked() const
{
    const QDir folder(m_root + u"/etc/udev/rules.d"_s);
    for (const QString &name : folder.entryList({u"*.rules"_s}, QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly) && file.readLine().trimmed() == BrlttyOverrideMark)
            return true;
    }
    return false;
}

}  // namespace tavro::machine
