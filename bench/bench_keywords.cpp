// The key-word attack's speed: keys tested a second on one core, counted on
// the thread's own processor time (so a busy machine slows the figures
// less than the wall clock would), for each kind of key it tries, on
// ciphertexts of the held-out English book made on key phrases, the
// language left to the solver (each key scored in both languages) as the
// solver does by default. It judges nothing.
//
//     bench_keywords [--length N] [--texts N] [--phrase-tasks N] [--seed S]
//
// Phrases: the first --phrase-tasks bands of English phrases (a common word
// and any other), each band a task with a pool of its own as in the solver.
// Words: the English built-in list, every route. Completions: a first word
// followed by every English word. Key searches: the search over keys'
// letters from random keys.

#include "analysis/keywords/keysquares.h"
#include "analysis/keywords/keywordsearch.h"
#include "analysis/search/candidatepool.h"
#include "analysis/search/random.h"
#include "bench/heldoutbook.h"
#include "bench/solvercases.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

using namespace playfair::analysis;
using namespace playfair::bench;

namespace {

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Keys a second of `work` (which returns the keys it tested) over the texts.
struct Rate
{
    std::uint64_t keys = 0;
    double seconds = 0;
};

} // namespace

int main(int argc, char **argv)
{
    std::size_t length = 30;
    int texts = 5;
    std::size_t phraseTasks = 30;
    std::uint64_t seed = 2026;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--length")
            length = std::size_t(std::atoi(value.c_str()));
        else if (name == "--texts")
            texts = std::atoi(value.c_str());
        else if (name == "--phrase-tasks")
            phraseTasks = std::size_t(std::atoi(value.c_str()));
        else if (name == "--seed")
            seed = std::strtoull(value.c_str(), nullptr, 10);
    }
    const HeldOutBook book = readHeldOutBook(Language::English);
    if (book.text.empty()) {
        std::fprintf(stderr, "The held-out book cannot be read: %s\n", book.path.c_str());
        return 1;
    }
    // The lists and models are built before the clock starts.
    const KeyWordList &words = KeyWordSearch::builtInList(Language::English);
    const KeyWordList &phraseWords = KeyWordSearch::phraseWordList(Language::English);
    const std::vector<std::size_t> bands = KeyWordSearch::phraseBands(KeyWordSearch::phraseWords, phraseWords.size(), 75000);
    const KeyPriors priors = KeyPriors::forKind(SquareKind::Any, KeyWordSearch::phraseCount());

    Random rng(seed);
    std::atomic<bool> stop{false};
    Rate phrases, entries, completions, searches;
    const auto timed = [](Rate &rate, const std::function<std::uint64_t()> &work) {
        const double began = threadSeconds();
        rate.keys += work();
        rate.seconds += threadSeconds() - began;
    };
    for (int t = 0; t < texts; ++t) {
        Case c = makeCase(book.text, length, rng, playfair::Doubles::Split);
        encryptOn(c, keySquareOf([&] {
                      std::string key;
                      for (char ch : keyOfBook(book, true, rng))
                          key += ch == ' ' ? "" : std::string(1, ch);
                      return key;
                  }()));
        KeyWordSearch search(c.cipher, std::nullopt, priors, nullptr);
        CandidatePool pool(32);
        timed(phrases, [&] {
            std::uint64_t keys = 0;
            for (std::size_t band = 0; band < phraseTasks && band + 1 < bands.size(); ++band) {
                pool.clear();
                keys += search.tryPhrases(Language::English, bands[band], bands[band + 1], pool, stop);
            }
            return keys;
        });
        timed(entries, [&] {
            std::uint64_t keys = 0;
            for (std::size_t begin = 0; begin < words.size(); begin += 4096) {
                pool.clear();
                keys += search.tryEntries(words, -6, 0, begin, begin + 4096, pool, stop);
            }
            return keys;
        });
        timed(completions, [&] {
            std::uint64_t keys = 0;
            for (std::size_t begin = 0; begin < words.size(); begin += 4096) {
                pool.clear();
                keys += search.tryCompletions("HUMAN", Language::English, begin, begin + 4096, -9, 2, pool, stop);
            }
            return keys;
        });
        timed(searches, [&] {
            std::uint64_t keys = 0;
            Random random(rng.next());
            for (int s = 0; s < 10; ++s) {
                pool.clear();
                keys += search.searchKeys(random, nullptr, pool, stop);
            }
            return keys;
        });
    }
    std::printf("Key-word attack, %zu letters, %d texts, language left to the solver; keys a second on one core "
                "(thread time)\n\n",
                length, texts);
    std::printf("| Keys | Keys tested | Seconds | Keys a second |\n|---|---:|---:|---:|\n");
    const auto row = [](const char *name, const Rate &rate) {
        std::printf("| %s | %.2f M | %.2f | %.2f M |\n", name, double(rate.keys) / 1e6, rate.seconds,
                    rate.seconds > 0 ? double(rate.keys) / rate.seconds / 1e6 : 0.0);
    };
    row("Phrases of a common word and any other", phrases);
    row("Built-in words, every route", entries);
    row("A first word and every word", completions);
    row("Searches over keys' letters", searches);
    return 0;
}
