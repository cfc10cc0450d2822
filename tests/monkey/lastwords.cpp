#include "lastwords.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <cstring>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#include <sanitizer/common_interface_defs.h>
#define PLAYFAIR_SANITIZED 1
#endif

namespace playfair::testing::lastWords {

namespace {

std::array<char, 1024> words{};
std::size_t length = 0;

constexpr std::array<int, 5> fatalSignals{SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
std::array<struct sigaction, fatalSignals.size()> previous{};

// One write: a few hundred bytes to a pipe or a terminal go out whole.
void write(const char *text, std::size_t size)
{
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, size);
}

void speak()
{
    static const char heading[] = "\nThe monkey was at: ";
    write(heading, sizeof heading - 1);
    write(words.data(), length);
    write("\n", 1);
}

// Speaks, then hands the signal to whoever handled it before (QtTest's
// crash handler, the default action).
void onSignal(int signal)
{
    speak();
    for (std::size_t i = 0; i < fatalSignals.size(); ++i) {
        if (fatalSignals[i] == signal)
            sigaction(signal, &previous[i], nullptr);
    }
    raise(signal);
}

} // namespace

void install()
{
    for (std::size_t i = 0; i < fatalSignals.size(); ++i) {
        struct sigaction action{};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        sigaction(fatalSignals[i], &action, &previous[i]);
    }
#ifdef PLAYFAIR_SANITIZED
    // A sanitizer's report ends the process without a signal.
    __sanitizer_set_death_callback(speak);
#endif
}

void say(const QByteArray &text)
{
    length = std::min(std::size_t(text.size()), words.size());
    std::memcpy(words.data(), text.constData(), length);
}

} // namespace playfair::testing::lastWords
