// What a function that can fail gives back: done, or why not. The caller cannot drop it unread.
#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace tavro::platform {

class [[nodiscard]] Outcome {
public:
    static Outcome done() { return Outcome(); }
    // `why` says what went wrong, in words the operator reads; never empty.
    static Outcome failed(QString why)
    {
        Outcome outcome;
        outcome.m_failed = true;
        outcome.m_why = std::move(why);
        return outcome;
    }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString &why() const { return m_why; }

private:
    Outcome() = default;
    bool m_failed = false;
    QString m_why;
};

// A value, or why there is none.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}     // NOLINT: a value is a result
    Result(Outcome failure) : m_why(failure.why()) {}  // NOLINT: so is a failure

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T &value() const { return *m_value; }
    T &value() { return *m_value; }
    const T *operator->() const { return &*m_value; }
    const T &operator*() const { return *m_value; }
    const QString &why() const { return m_why; }

private:
    std::optional<T> m_value;
    QString m_why;
};

}  // namespace tavro::platform
