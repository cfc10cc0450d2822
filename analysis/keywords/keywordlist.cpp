#include "analysis/keywords/keywordlist.h"

#include "analysis/alphabet.h"

#include "analysis/statistics/corpus.h"
#include "analysis/statistics/wordstatistics.h"

#include <algorithm>
#include <cstring>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <numeric>
#include <thread>
#include <unordered_set>

namespace playfair::analysis {

namespace {

// The key word box of the main window holds at most this many characters:
// a longer line is no key word.
constexpr std::size_t longestLine = 200;

constexpr std::uintmax_t largestFile = 64u << 20;

// The entry of one line: its words joined by single spaces.
std::string entryOf(std::string_view line)
{
    std::string entry;
    forEachCorpusWord(line, [&entry](std::string_view word) {
        if (!entry.empty())
            entry += ' ';
        entry += word;
    });
    return entry;
}

// The positions of a list's entries that repeat an earlier one.
std::vector<bool> repeats(const KeyWordList &list)
{
    std::vector<std::uint32_t> order(list.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return list.at(a) < list.at(b); });
    std::vector<bool> repeated(list.size(), false);
    for (std::size_t i = 1; i < order.size(); ++i)
        repeated[order[i]] = list.at(order[i]) == list.at(order[i - 1]);
    return repeated;
}

// `list` without its repeats and the entries `known` (sorted) holds.
KeyWordList without(KeyWordList list, const std::vector<std::string_view> &known, std::string name)
{
    list = KeyWordList::withoutRepeats(std::move(list));
    list.keepIf([&](std::string_view entry) { return !std::binary_search(known.begin(), known.end(), entry); });
    list.rename(std::move(name));
    return list;
}

} // namespace

namespace {

// Gathers a list from text that arrives in parts: whole lines become
// entries, a line too long to be a key word is dropped as it arrives.
class ListBuilder
{
public:
    explicit ListBuilder(std::string name) { m_list = KeyWordList::fromLines({}, std::move(name)); }

    void add(std::string_view text)
    {
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            const std::string_view part = text.substr(0, end);
            if (!m_overlong) {
                m_line.append(part);
                if (m_line.size() > longestLine) {
                    m_overlong = true;
                    m_line.clear();
                }
            }
            if (end == std::string_view::npos)
                return;
            endLine();
            text.remove_prefix(end + 1);
        }
    }

    KeyWordList finish()
    {
        endLine();
        return KeyWordList::withoutRepeats(std::move(m_list));
    }

private:
    void endLine()
    {
        if (!m_overlong) {
            const std::string entry = entryOf(m_line);
            if (!entry.empty())
                m_list.append(entry);
        }
        m_line.clear();
        m_overlong = false;
    }

    KeyWordList m_list;
    std::string m_line;
    bool m_overlong = false;
};

} // namespace

KeyWordList KeyWordList::fromLines(std::string_view text, std::string name)
{
    if (text.empty()) {
        KeyWordList list;
        list.m_name = std::move(name);
        return list;
    }
    ListBuilder builder(std::move(name));
    builder.add(text);
    return builder.finish();
}

KeyWordList KeyWordList::withoutRepeats(KeyWordList list)
{
    const std::vector<bool> repeated = repeats(list);
    std::size_t index = 0;
    list.keepIf([&](std::string_view) { return !repeated[index++]; });
    return list;
}

void KeyWordList::keepIf(const std::function<bool(std::string_view)> &keep)
{
    // In place: the kept entries move down over those dropped.
    std::size_t written = 0;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_offsets.size(); ++i) {
        const std::string_view entry = at(i);
        if (!keep(entry))
            continue;
        const std::size_t length = entry.size();
        std::memmove(m_text.data() + written, entry.data(), length);
        m_offsets[kept++] = std::uint32_t(written);
        written += length;
    }
    m_offsets.resize(kept);
    m_text.resize(written);
    m_offsets.shrink_to_fit();
    m_text.shrink_to_fit();
}

std::string_view KeyWordList::at(std::size_t index) const
{
    const std::size_t begin = m_offsets[index];
    const std::size_t end = index + 1 < m_offsets.size() ? m_offsets[index + 1] : m_text.size();
    return std::string_view(m_text).substr(begin, end - begin);
}

void KeyWordList::append(std::string_view entry)
{
    m_offsets.push_back(std::uint32_t(m_text.size()));
    m_text += entry;
}

std::string WordListError::message() const
{
    return "the word list '" + path + "' " + reason + ".";
}

std::variant<KeyWordList, WordListError> readWordList(const std::string &path)
{
    return readWordList(path, nullptr);
}

std::variant<KeyWordList, WordListError> readWordList(const std::string &path, const std::atomic<bool> *cancel)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status))
        return WordListError{path, "does not exist"};
    if (std::filesystem::is_directory(status))
        return WordListError{path, "is a folder, not a file"};
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return WordListError{path, "cannot be read"};
    // Read in parts and held to the bound as it comes, so that a file that
    // never ends (a pipe, a device) is refused rather than read for ever.
    ListBuilder builder(path);
    std::uintmax_t read = 0;
    char buffer[1 << 16];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        read += std::uintmax_t(file.gcount());
        if (read > largestFile)
            return WordListError{path, "is larger than 64 MiB"};
        if (cancel && cancel->load(std::memory_order_relaxed))
            break;
        builder.add(std::string_view(buffer, std::size_t(file.gcount())));
    }
    if (file.bad())
        return WordListError{path, "cannot be read"};
    return builder.finish();
}

struct SystemWordLists::State
{
    std::once_flag started;
    mutable std::mutex mutex;
    std::condition_variable done;
    bool ready = false;
    std::vector<KeyWordList> lists;
    std::vector<std::vector<bool>> repeats;
    std::atomic<bool> quit{false};
    std::thread reader;

    ~State()
    {
        quit.store(true);
        if (reader.joinable())
            reader.join();
    }

    void read();
};

void SystemWordLists::State::read()
{
    // The built-in lists hold the commoner words already, with how often
    // they occur; only the rest is kept.
    std::vector<std::string_view> known;
    for (Language language : {Language::English, Language::Bulgarian}) {
        for (const WordStatistics::Word &word : WordStatistics::of(language).words())
            known.push_back(word.spelling);
    }
    std::sort(known.begin(), known.end());
    KeyWordList english = KeyWordList::fromLines({}, "/usr/share/dict (English)");
    std::vector<KeyWordList> read;
    for (const std::string &path : paths()) {
        auto list = readWordList(path, &quit);
        if (auto *words = std::get_if<KeyWordList>(&list)) {
            if (path.find("english") == std::string::npos) {
                // The Bulgarian list is large and holds each form once:
                // trying a few words twice costs less than sorting it.
                read.push_back(std::move(*words));
            } else {
                for (std::size_t i = 0; i < words->size(); ++i)
                    english.append(words->at(i));
            }
        }
    }
    if (!english.empty())
        read.insert(read.begin(), without(std::move(english), known, "/usr/share/dict (English)"));
    // What the built-in words of three letters or more place (the key-word
    // search's built-in lists), then each list's own earlier entries: the
    // Bulgarian list holds many forms that place what another does
    // (ZASHTOTO, ZASHTO), and half of all entries repeat a placing.
    std::unordered_set<std::uint64_t> builtIn;
    for (Language language : {Language::English, Language::Bulgarian}) {
        for (const WordStatistics::Word &word : WordStatistics::of(language).words()) {
            if (word.spelling.size() >= 3) {
                if (const std::optional<std::uint64_t> placing = keyPlacing(word.spelling))
                    builtIn.insert(*placing);
            }
        }
    }
    std::vector<std::vector<bool>> placed;
    for (const KeyWordList &list : read) {
        std::unordered_set<std::uint64_t> seen = builtIn;
        std::vector<bool> &flags = placed.emplace_back(list.size());
        for (std::size_t i = 0; i < list.size() && !quit.load(std::memory_order_relaxed); ++i) {
            if (const std::optional<std::uint64_t> placing = keyPlacing(list.at(i)))
                flags[i] = !seen.insert(*placing).second;
        }
    }
    std::lock_guard lock(mutex);
    lists = std::move(read);
    repeats = std::move(placed);
    ready = true;
    done.notify_all();
}

SystemWordLists::SystemWordLists()
    : m_state(std::make_unique<State>())
{
}

SystemWordLists::~SystemWordLists() = default;

SystemWordLists &SystemWordLists::instance()
{
    // The reader uses the built-in word lists: made first, they are
    // destroyed after the reader has been stopped.
    WordStatistics::of(Language::English);
    WordStatistics::of(Language::Bulgarian);
    static SystemWordLists lists;
    return lists;
}

std::vector<std::string> SystemWordLists::paths(const std::string &folder)
{
    std::vector<std::string> found;
    for (const char *name : {"american-english", "british-english", "bulgarian"}) {
        const std::string path = folder + "/" + name;
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error))
            found.push_back(path);
    }
    return found;
}

void SystemWordLists::startReading()
{
    std::call_once(m_state->started, [state = m_state.get()] { state->reader = std::thread([state] { state->read(); }); });
}

bool SystemWordLists::ready() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->ready;
}

std::optional<std::uint64_t> keyPlacing(std::string_view key)
{
    std::uint32_t used = 0;
    std::uint64_t placing = 0;
    int count = 0;
    for (char c : key) {
        const int letter = letterNumber(c);
        if (letter < 0 || (used >> letter & 1u))
            continue;
        if (++count > 12)
            return std::nullopt;
        used |= 1u << letter;
        placing = placing << 5 | std::uint64_t(letter + 1);
    }
    return placing;
}

const std::vector<std::vector<bool>> &SystemWordLists::placingRepeats()
{
    lists();
    std::lock_guard lock(m_state->mutex);
    return m_state->repeats;
}

const std::vector<KeyWordList> &SystemWordLists::lists()
{
    startReading();
    std::unique_lock lock(m_state->mutex);
    m_state->done.wait(lock, [&] { return m_state->ready; });
    return m_state->lists;
}

} // namespace playfair::analysis
