// A window's unit found as the operator's tools find it: by its objectName.
#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>

namespace tavro::test {

// The child of `parent` of type T named `name` (the first of that type when the name is empty).
// A missing unit fails the test that asked for it.
template <typename T>
T &unitIn(const QObject &parent, const QString &name = {})
{
    T *unit = parent.findChild<T *>(name);
    if (!unit) throw std::logic_error("no unit named \"" + name.toStdString() + '"');
    return *unit;
}

}  // namespace tavro::test
