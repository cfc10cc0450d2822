#include "app/breakinput.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace playfair::breakcommand {

namespace {

// No ciphertext is longer: the input is read up to this bound (as the break
// window reads a file), so that an endless one is refused, not read for ever.
constexpr std::size_t mostInputBytes = 1 << 20;

// Why a file cannot be read, from the error number opening or reading it
// left.
std::string reasonOf(int error)
{
    switch (error) {
    case ENOENT:
        return "there is no such file";
    case EACCES:
    case EPERM:
        return "permission denied";
    case EISDIR:
        return "it is a folder";
    case ENOTDIR:
        return "a part of its path is not a folder";
    default:
        break;
    }
    std::string reason = std::generic_category().message(error);
    if (!reason.empty() && reason[0] >= 'A' && reason[0] <= 'Z')
        reason[0] = char(reason[0] - 'A' + 'a');
    return reason;
}

std::string cannotRead(const std::string &what, int error)
{
    return "cannot read " + what + ": " + reasonOf(error) + ".";
}

} // namespace

// Reads the ciphertext from `path` (standard input for "-"), at most
// mostInputBytes, waiting for it no longer than `patience` unless a person
// types it on the terminal. Returns an error message, or nothing with the
// text read.
std::optional<std::string> readInput(const char *program, const std::string &path, std::chrono::milliseconds patience,
                                     std::string &text, const char *what)
{
    const bool standardInput = path == "-";
    const bool typed = standardInput && isatty(fileno(stdin));
    // Otherwise the program would seem to hang, waiting in silence.
    if (typed) {
        std::cerr << program << ": reading the " << what << " from the terminal: type or paste it, then press "
#ifdef _WIN32
                  << "Ctrl+Z and Enter"
#else
                  << "Ctrl+D on a line of its own"
#endif
                  << " (or give a FILE)." << std::endl;
    }
#ifdef _WIN32
    (void)patience;
    std::ifstream file;
    if (!standardInput) {
        errno = 0;
        file.open(path, std::ios::binary);
        if (!file)
            return cannotRead("'" + path + "'", errno);
    }
    std::istream &in = standardInput ? std::cin : file;
    text.resize(mostInputBytes + 1);
    in.read(text.data(), std::streamsize(text.size()));
    text.resize(std::size_t(in.gcount()));
#else
    int fd = STDIN_FILENO;
    if (!standardInput) {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            return cannotRead("'" + path + "'", errno);
        struct stat status{};
        if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
            ::close(fd);
            return "'" + path + "' is a folder, not a file with a " + what + ".";
        }
    }
    // Reads as the bytes come, and gives up on an input that does not end
    // within the time limit (a pipe whose writer never closes it).
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::optional<std::string> error;
    char buffer[1 << 16];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd waiting{fd, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, typed ? -1 : int(std::clamp<std::int64_t>(left.count(), 0, 1 << 30)));
        if (ready == 0) {
            error = "the input did not end within the time limit.";
            break;
        }
        if (ready < 0 && errno == EINTR)
            continue;
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (got < 0) {
            error = cannotRead(standardInput ? std::string("standard input") : "'" + path + "'", errno);
            break;
        }
        if (got == 0)
            break;
        text.append(buffer, std::size_t(got));
        if (text.size() > mostInputBytes)
            break;
    }
    if (!standardInput)
        ::close(fd);
    if (error)
        return error;
#endif
    if (text.size() > mostInputBytes)
        return std::string("the input is longer than 1 MiB, more than any ") + what + ": give the " + what + " alone.";
    return std::nullopt;
}

} // namespace playfair::breakcommand
