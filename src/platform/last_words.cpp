#include "platform/last_words.h"

#include <cstdlib>
#include <utility>

namespace tavro::platform {
namespace {

std::function<void()> g_words;
bool g_registered = false;

void speak()
{
    // Taken first: what the words do must not run them again.
    const std::function<void()> words = std::exchange(g_words, nullptr);
    if (words) words();
}

}  // namespace

LastWords::LastWords(std::function<void()> words)
{
    g_words = std::move(words);
    if (!std::exchange(g_registered, true)) std::atexit(speak);
}

LastWords::~LastWords()
{
    g_words = nullptr;
}

}  // namespace tavro::platform
