#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace playfair::analysis {

// Words and phrases to try as key words: each in capital Latin letters, J
// kept (Cyrillic transliterated as the letter statistics are), words of a
// phrase separated by one space. The key-word search builds each one's
// square with the program's own construction, which skips the spaces, turns
// J into I and ignores a letter's repeats.
class KeyWordList
{
public:
    KeyWordList() = default;

    // The list's words from lines of UTF-8 text, one word or phrase a line:
    // letters count, Latin or Cyrillic, in either case; a line with no
    // letters is skipped, and so are one that repeats an earlier line and
    // one of more than 200 characters (more than the main window's key word
    // box holds).
    static KeyWordList fromLines(std::string_view text, std::string name = {});

    std::size_t size() const { return m_offsets.size(); }
    bool empty() const { return m_offsets.empty(); }
    std::string_view at(std::size_t index) const;
    // Where the list came from: a file's path, or a name of our own.
    const std::string &name() const { return m_name; }

    void append(std::string_view entry);

    // The list without the entries that repeat an earlier one.
    static KeyWordList withoutRepeats(KeyWordList list);
    // Keeps the entries `keep` says yes to, in their order.
    void keepIf(const std::function<bool(std::string_view)> &keep);
    void rename(std::string name) { m_name = std::move(name); }

private:
    std::string m_name;
    std::string m_text;                  // the entries, one after another
    std::vector<std::uint32_t> m_offsets; // where each begins in m_text
};

// Why a word list file cannot be read.
struct WordListError
{
    std::string path;
    std::string reason; // "cannot be read", "is a folder", "is larger than 64 MiB"

    std::string message() const;
};

// Reads a word list file (UTF-8, one word or phrase a line, lines of more
// than 200 characters skipped); at most 64 MiB.
std::variant<KeyWordList, WordListError> readWordList(const std::string &path);
std::variant<KeyWordList, WordListError> readWordList(const std::string &path, const std::atomic<bool> *cancel);

// The letters a key places in the key square, in order, as one number: its
// distinct letters (a letter's repeats count once, J is I, what is not a
// letter is skipped), 5 bits each. Two keys of the same placing build the
// same square by every route; a key of more than 12 distinct letters has
// none (too long for 64 bits, and rare as words).
std::optional<std::uint64_t> keyPlacing(std::string_view key);

// Debian's word lists where they are installed (wamerican, wbritish,
// wbulgarian in /usr/share/dict): read once, in the background, when first
// asked for, never before. `ready()` says whether they have been read;
// `lists()` waits for them. The folder is a setting for tests.
class SystemWordLists
{
public:
    static SystemWordLists &instance();

    // Starts reading them, if no one has yet; returns at once.
    void startReading();
    bool ready() const;
    // The lists read (none where no list is installed); waits until read.
    const std::vector<KeyWordList> &lists();
    // For each entry of each list, whether it places what a built-in word
    // of three letters or more (of either language) or an earlier entry of
    // its own list places (see keyPlacing): the key-word search tries those
    // words first, so it skips such an entry. Waits until read.
    const std::vector<std::vector<bool>> &placingRepeats();

    // The files it reads, where they exist.
    static std::vector<std::string> paths(const std::string &folder = "/usr/share/dict");

    ~SystemWordLists();

private:
    SystemWordLists();
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace playfair::analysis
