// The search over all squares apart from the clock: on each text a fixed
// number of searches (on one thread, fixed seeds), counting the texts whose
// key a search reached and those whose best square at the end is the key.
// Its figures do not depend on the machine's load, so that plans can be
// compared on a shared machine.
//
//     bench_anneal [--lengths 40,50,60] [--texts N] [--searches N] [--seed S]
//                  [--temperature F] [--moves F] [--from-best P]
//                  [--fragments K] [--fragment-length L]
//                  [--model-percent P] [--model-temperature F]
//                  [--replicas K] [--ladder F] [--exchange N] [--shake N]
//                  [--line-order P] [--in-line P]
//
// The texts are bench_solver's for the same seed (English, random squares).
// --temperature and --moves scale the plan's temperature and the moves of a
// search; --from-best sets the share (per cent) of searches that start from
// the best square, shaken, and --shake the letter swaps that shake it.
// --line-order and --in-line set the moves (per cent) that put all rows or
// all columns, or the cells of one row or column, in a new order; they take
// their share from the moves other than the swaps of two letters.
// --fragments K takes, after every search, the
// stretch of L letters (16 unless told) of its plaintext that reads best as
// a crib (see fragmentcrib.h) and runs up to K searches that hold it, from
// random squares; they count against the searches of the text.
// --model-percent P lets the last P % of each search's moves climb the
// order-5 letter model rather than the four-letter groups (100: the whole
// search), at the temperature scaled by --model-temperature as well.
// --replicas K makes each search a parallel tempering run (Annealer::temper)
// of K squares, each annealed the plan's moves (times --moves) at rungs up to
// --ladder times the plan's temperature, neighbours exchanging every N moves
// (--exchange); a run costs K searches' moves. 0: the plan's own.
//
// Besides the searches that reach the key it prints the keys tried and the
// processor time they took (the thread's own, so that the machine's load
// weighs less on it), and from them the searches on the key per processor
// minute: the measure of a plan's worth per second of search.

#include "analysis/search/annealer.h"
#include "analysis/search/chooser.h"
#include "analysis/search/fragmentcrib.h"
#include "analysis/search/pairtables.h"
#include "analysis/statistics/letterstatistics.h"
#include "bench/solvercases.h"

#include <atomic>
#include <cstdio>
#include <set>
#include <time.h>

using namespace playfair::bench;

namespace {

struct AnnealOptions
{
    std::vector<int> lengths{40, 50, 60};
    int texts = 8;
    int searches = 100;
    std::uint64_t seed = 2026;
    double temperature = 1;
    double moves = 1;
    int fromBest = -1;
    int lineOrder = -1; // moves putting all rows or columns in a new order, per cent; -1: the plan's
    int inLine = -1;    // moves putting one row's or column's cells in a new order
    int shake = -1;
    int fragments = 0;
    std::size_t fragmentLength = 16;
    int modelPercent = -1;        // -1: the plan's own
    double modelTemperature = 0;  // 0: the plan's own
    int replicas = -1;            // -1: the plan's own
    double ladder = 0;            // 0: the plan's own
    std::uint32_t exchange = 0;   // 0: the plan's own
};

// The processor time this thread has used, in seconds.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + 1e-9 * double(now.tv_nsec);
}

std::vector<Letter> plaintextOf(const Square &square, const std::vector<Letter> &cipher)
{
    std::vector<Letter> plain(cipher.size());
    decryptLetters(square, cipher.data(), cipher.size(), plain.data());
    return plain;
}

} // namespace

int main(int argc, char *argv[])
{
    AnnealOptions options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--lengths")
            options.lengths = parseLengths(value);
        else if (name == "--texts")
            options.texts = std::atoi(value.c_str());
        else if (name == "--searches")
            options.searches = std::atoi(value.c_str());
        else if (name == "--seed")
            options.seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (name == "--temperature")
            options.temperature = std::atof(value.c_str());
        else if (name == "--moves")
            options.moves = std::atof(value.c_str());
        else if (name == "--line-order")
            options.lineOrder = std::atoi(value.c_str());
        else if (name == "--in-line")
            options.inLine = std::atoi(value.c_str());
        else if (name == "--from-best")
            options.fromBest = std::atoi(value.c_str());
        else if (name == "--fragments")
            options.fragments = std::atoi(value.c_str());
        else if (name == "--model-percent")
            options.modelPercent = std::atoi(value.c_str());
        else if (name == "--model-temperature")
            options.modelTemperature = std::atof(value.c_str());
        else if (name == "--shake")
            options.shake = std::atoi(value.c_str());
        else if (name == "--replicas")
            options.replicas = std::atoi(value.c_str());
        else if (name == "--ladder")
            options.ladder = std::atof(value.c_str());
        else if (name == "--exchange")
            options.exchange = std::uint32_t(std::atoi(value.c_str()));
        else if (name == "--fragment-length")
            options.fragmentLength = std::size_t(std::atoi(value.c_str()));
        else {
            std::fprintf(stderr, "bench_anneal: unknown option %s\n", name.c_str());
            return 2;
        }
    }
    const HeldOutBook book = readHeldOutBook(Language::English);
    if (book.text.size() < 10000) {
        std::fprintf(stderr, "bench_anneal: cannot read the held-out text %s\n", book.path.c_str());
        return 1;
    }
    const GroupScore finish = GroupScore::of(Chooser::model(Language::English));
    const GroupScore score = GroupScore::of(LetterStatistics::of(Language::English));
    std::printf("English, random squares, seed %llu; %d texts a length, %d searches a text; temperature x%.2f, moves x%.2f, "
                "from the best %d %%; fragments %d of %zu letters; order-5 model for the last %d %% of the moves "
                "(-1: the plan's), its temperature x%.2f (0: the plan's); tempering: %d replicas (-1: the plan's), "
                "ladder %.2f, exchange every %u moves (0: the plan's)\n\n",
                (unsigned long long)options.seed, options.texts, options.searches, options.temperature, options.moves,
                options.fromBest, options.fragments, options.fragmentLength, options.modelPercent,
                options.modelTemperature, options.replicas, options.ladder, options.exchange);
    std::printf("| Letters | Key reached (texts) | Best is the key (texts) | Searches on the key | Fragments: taken / right "
                "| Crib searches on the key | Right letters: fragment / text | Keys | CPU s | Keys/s | On the key per CPU min "
                "|\n|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    Random rng(options.seed);
    for (int length : options.lengths) {
        int reachedTexts = 0;
        int solvedTexts = 0;
        int onKey = 0;
        int fragmentsTaken = 0;
        int fragmentsRight = 0;
        int cribOnKey = 0;
        int fragmentLetters = 0; // right letters of the fragments taken
        int textLetters = 0;     // right letters of the plaintexts they were taken from
        std::uint64_t allKeys = 0;
        const double cpuBegan = threadSeconds();
        for (int t = 0; t < options.texts; ++t) {
            Case c = makeCase(book.text, std::size_t(length), rng, playfair::Doubles::Split);
            encryptOn(c, randomSquare(rng));
            const std::uint64_t seed = rng.next();
            const std::vector<Letter> truth = lettersOf(c.plain);
            SearchPlan plan = SearchPlan::forLength(c.cipher.size());
            plan.temperatureLog10 *= options.temperature;
            plan.movesPerRestart = std::uint32_t(double(plan.movesPerRestart) * options.moves);
            if (options.fromBest >= 0)
                plan.fromBestPercent = options.fromBest;
            if (options.modelPercent >= 0)
                plan.modelPercent = options.modelPercent;
            if (options.modelTemperature > 0)
                plan.modelTemperature = options.modelTemperature;
            if (options.shake >= 0)
                plan.shakeSwaps = options.shake;
            if (options.lineOrder >= 0)
                plan.lineOrderPercent = options.lineOrder;
            if (options.inLine >= 0)
                plan.inLinePercent = options.inLine;
            if (options.replicas >= 0)
                plan.replicas = options.replicas;
            if (options.ladder > 0)
                plan.ladder = options.ladder;
            if (options.exchange > 0)
                plan.exchangeMoves = options.exchange;
            Annealer annealer(score, c.cipher, nullptr, seed);
            annealer.setFinish(&finish);
            std::atomic<bool> stop{false};
            std::atomic<std::uint64_t> keys{0};
            Square best{};
            int bestScore = 0;
            bool haveBest = false;
            bool reached = false;
            std::set<std::pair<std::size_t, std::vector<Letter>>> tried;
            int searches = 0;
            std::uint64_t cribSeed = seed ^ 0x5DEECE66Dull;
            // A search's outcome may become the best only if it holds its crib.
            const auto take = [&](const Annealer::Outcome &outcome, bool mayLead) {
                const bool right = plaintextOf(outcome.square, c.cipher) == truth;
                reached = reached || right;
                if (mayLead && (!haveBest || outcome.score > bestScore)) {
                    best = outcome.square;
                    bestScore = outcome.score;
                    haveBest = true;
                }
                return right;
            };
            while (searches < options.searches) {
                const Annealer::Outcome outcome = plan.replicas > 0
                    ? annealer.temper(plan, stop, keys)
                    : annealer.restart(plan, haveBest ? &best : nullptr, stop, keys);
                ++searches;
                onKey += take(outcome, true);
                if (options.fragments <= 0 || reached)
                    continue;
                const std::vector<Letter> plain = plaintextOf(outcome.square, c.cipher);
                const std::size_t at = bestStretch(finish, plain.data(), plain.size(), options.fragmentLength);
                const std::vector<Letter> stretch(plain.begin() + std::ptrdiff_t(at),
                                                  plain.begin() + std::ptrdiff_t(at + options.fragmentLength));
                if (!tried.insert({at, stretch}).second)
                    continue;
                const std::optional<FragmentCrib> fragment = fragmentCrib(plain, at, options.fragmentLength, c.cipher);
                if (!fragment)
                    continue;
                ++fragmentsTaken;
                fragmentsRight += std::equal(stretch.begin(), stretch.end(), truth.begin() + std::ptrdiff_t(at));
                for (std::size_t i = 0; i < stretch.size(); ++i)
                    fragmentLetters += stretch[i] == truth[at + i];
                std::size_t rightInText = 0;
                for (std::size_t i = 0; i < plain.size(); ++i)
                    rightInText += plain[i] == truth[i];
                textLetters += int(rightInText);
                Annealer cribbed(score, c.cipher, &fragment->crib, ++cribSeed);
                cribbed.setFinish(&finish);
                SearchPlan cribPlan = plan;
                cribPlan.fromBestPercent = 0;
                for (int k = 0; k < options.fragments && searches < options.searches && !reached; ++k) {
                    const Annealer::Outcome found = cribbed.restart(cribPlan, nullptr, stop, keys);
                    ++searches;
                    const bool held = fragment->crib.heldBy(plaintextOf(found.square, c.cipher).data());
                    cribOnKey += take(found, held);
                }
            }
            allKeys += keys.load();
            reachedTexts += reached;
            solvedTexts += haveBest && plaintextOf(best, c.cipher) == truth;
            std::fprintf(stderr, "  %d letters, text %d: %s after %d searches\n", length, t + 1,
                         reached ? "key reached" : "not reached", searches);
        }
        const double taken = std::max(fragmentsTaken, 1);
        const double cpu = std::max(threadSeconds() - cpuBegan, 1e-3);
        std::printf("| %d | %d of %d | %d of %d | %d | %d / %d | %d | %.0f %% / %.0f %% | %.0f M | %.1f | %.2f M | %.2f |\n",
                    length, reachedTexts, options.texts, solvedTexts, options.texts, onKey, fragmentsTaken, fragmentsRight,
                    cribOnKey, 100 * fragmentLetters / taken / double(options.fragmentLength),
                    100 * textLetters / taken / double(length), double(allKeys) / 1e6, cpu, double(allKeys) / cpu / 1e6,
                    60 * (onKey + cribOnKey) / cpu);
        std::fflush(stdout);
    }
    return 0;
}
