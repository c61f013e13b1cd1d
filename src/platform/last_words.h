// A last word before the process exits by a path that unwinds nothing (exit() from inside a
// library, as Qt's window system does when its display goes away).
#pragma once

#include <functional>

namespace tavro::platform {

// While one lives, `words` runs if the process exits through exit() or a return from main()
// that did not destroy it first. At most one lives at a time; a later one replaces it.
class LastWords {
public:
    explicit LastWords(std::function<void()> words);
    ~LastWords();
    LastWords(const LastWords &) = delete;
    LastWords &operator=(const LastWords &) = delete;
};

}  // namespace tavro::platform
