// The solver on squares of the other alphabets (Q left out, 6 x 6 with the
// digits, Cyrillic 5 x 6): it makes ciphertexts of several lengths from the
// held-out book of the alphabet's language (never seen by the statistics),
// on random squares or on key-word squares, breaks them and prints, by
// length, the share solved (plaintext exactly right), with key words the
// share whose key word was named, the median and the worst time and the
// keys tested per second. It judges nothing. Each text's outcome goes to
// the error stream: solved, or missed by the search (the key's plaintext
// ranks above the answer by the solver's choice) or outscored.
//
// With --searches N it times nothing: on one thread, with fixed seeds, it
// runs N searches a text as the solver does (the plan's share of them from the best
// square so far, or --from-best P per cent of them; the annealer alone, with the solver's plan or one changed
// by the options after it) and prints how many end on the key, on how many
// texts, the median search that first does (of the texts reached), and
// how many end above the key's score elsewhere, by the four-letter groups
// the searches climb and by the solver's choice (the order-5 model, and on
// latin-q the words too; see shapedchoice.h), and on how many
// texts the best of the searches is the key by either score, so that
// settings compare alike on a busy machine. With --budget M in place of
// --searches it runs searches on each text until they have spent M million
// moves (the climbs' keys counted), so that searches of different kinds
// and lengths compare at equal work: restarts, or parallel tempering
// (--replicas K squares up to --hottest F times the temperature, trading
// every --exchange N moves; Cyrillic's plan has it, and --replicas 1
// --longer 4 --swaps 80 --line-swaps 16 --blocks 0 gives its restarts as
// they were). --blocks P sets the share of the moves that carry a row's or
// a column's letters.
//
// With --classic-texts 1 (latin-q only) the passages are those bench_solver
// and bench_anneal take for the same seed (their default is 2026), letter for
// letter from the same place in the book, cleaned and prepared without Q
// rather than with J as I, and the squares are shuffled by the same draws:
// the two alphabets compare on the same plaintexts.
//
//     bench_shaped --alphabet latin-q|latin-digits|cyrillic [--texts N] [--time-limit S]
//                  [--threads T] [--lengths 100,150] [--seed S] [--keywords 1] [--classic-texts 1]
//                  [--searches N [--hotter F] [--longer F] [--swaps P] [--line-swaps P] [--shake N]
//                   [--from-best P] [--blocks P] [--budget M [--replicas K] [--hottest F] [--exchange N]]]
//                  [--garble N [--garble-levels 1]]
//
// --garble N changes 1 to N letters of each ciphertext and counts the
// garbled pairs the result marks (bench/shapedbench_garbled.h); with
// --garble-levels 1 it runs no search and reads the plaintexts of the
// tuning book (Elin Pelin, Carroll) at several levels.

#include "analysis/shaped/shapedchoice.h"
#include "analysis/shaped/shapedmodel.h"
#include "analysis/shaped/shapedsolver.h"
#include "analysis/shaped/shapedtempering.h"
#include "analysis/search/random.h"
#include "analysis/solver.h"
#include "analysis/statistics/utf8.h"
#include "bench/heldoutbook.h"
#include "bench/shapedbench_garbled.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace playfair::analysis;

namespace {

std::string heldOutPath(AlphabetKind kind)
{
    return std::string(PLAYFAIR_HELDOUT_DIR)
        + (kind == AlphabetKind::Cyrillic ? "/bg_karavelov_maminoto_detentse.txt" : "/en_wells_time_machine.txt");
}

// The book's words of four letters or more, in the alphabet, for key words.
std::vector<std::vector<std::uint8_t>> wordsOf(const SolverLetters &letters, const std::string &text)
{
    std::vector<std::vector<std::uint8_t>> words;
    std::vector<std::uint8_t> word;
    forEachCodePoint(text, [&](char32_t c) {
        const bool letter = (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'А' && c <= U'я');
        const int n = letter ? letters.number(c) : -1;
        if (n >= 0) {
            word.push_back(std::uint8_t(n));
            return;
        }
        if (word.size() >= 4)
            words.push_back(word);
        word.clear();
    });
    return words;
}

struct SearchCount
{
    int onTheKey = 0;    // searches that end on the key
    int aboveTheKey = 0; // that end elsewhere, on a score at least the key's
    int fineAbove = 0;   // the same by the choice
    int first = -1;      // the first search on the key
    int searches = 0;    // the searches run
    bool bestIsKey = false;     // the best search's plaintext is the key's, by the four-letter groups
    bool fineBestIsKey = false; // the same by the choice
    bool keyReads = false;      // the key's plaintext reads like the language (by the order-5 model)
    std::uint64_t keys = 0;
    std::vector<std::uint8_t> finePlain; // the plaintext the choice ranks best
    // The solver's trust as it would come on one thread: the search at
    // which two independent searches agree on the choice's best plaintext
    // that reads like the language, and whether it is the key's; -1 never.
    int trustedAt = -1;
    bool trustedRight = false;
    // The same for a plaintext that reads well and that shakesInVain
    // searches from its square, shaken, could not better.
    int settledAt = -1;
    bool settledRight = false;
    double fineBest = 0;                 // and its score by the choice
    double keyFine = 0;                  // the key's
};

// The searches as the solver runs them on one thread: every second one
// (or the share asked for) starts from the best square found so far (by
// the solver's choice), shaken.
template<int Rows, int Columns>
SearchCount countSearches(AlphabetKind kind, const std::vector<std::uint8_t> &cipher,
                          const std::vector<std::uint8_t> &plain, const std::vector<std::uint8_t> &key,
                          const ShapedPlan &plan, int searches, std::uint64_t budget, std::uint64_t seed)
{
    using Annealer = ShapedAnnealer<Rows, Columns>;
    const ShapedStatistics &statistics = ShapedStatistics::of(kind);
    Annealer annealer(statistics.table(), ShapedPairTable<Rows, Columns>::get(), cipher, seed);
    std::optional<ShapedTempering<Rows, Columns>> tempering;
    if (plan.replicas > 1)
        tempering.emplace(annealer, plan.replicas, Random(seed).next());
    const std::atomic<bool> stop{false};
    std::atomic<std::uint64_t> keys{0};
    typename Annealer::Square square;
    std::copy(key.begin(), key.end(), square.begin());
    const int keyScore = annealer.scoreOf(square);
    const ShapedLanguageModel *model = ShapedLanguageModel::of(kind);
    const ShapedChoice choice(kind, plain.size());
    const double keyFine = choice.of(plain.data(), keyScore);
    SearchCount count;
    count.keyReads = model && choice.readsLike(plain.data(), keyScore);
    std::optional<typename Annealer::Outcome> best;
    bool bestRight = false;
    // The solver starts from the best square by its choice (the order-5
    // model where the alphabet has one).
    std::optional<typename Annealer::Square> fineBestSquare;
    double fineBest = -1e300;
    int agreeing = 0;
    int shakenInVain = 0;
    // With a budget, searches until their moves (and the climbs' keys) reach it.
    for (int s = 0; budget > 0 ? keys.load() < budget : s < searches; ++s) {
        const bool fromTheBest = best && (s + 1) * plan.fromBestPercent / 100 > s * plan.fromBestPercent / 100;
        const typename Annealer::Square *from = !fromTheBest ? nullptr : model ? &*fineBestSquare : &best->square;
        typename Annealer::Outcome outcome =
            tempering ? tempering->search(plan, from, stop, keys) : annealer.restart(plan, from, stop, keys);
        ++count.searches;
        double fine = choice.of(annealer.plaintext().data(), outcome.score);
        // As the solver: a plaintext that reads climbs by the choice where
        // it weighs words, and on Cyrillic.
        if ((choice.weighsWords() || kind == AlphabetKind::Cyrillic)
            && choice.readsLike(annealer.plaintext().data(), outcome.score))
            choice.climb(annealer, outcome.square, fine);
        const bool right = annealer.plaintext() == plain;
        if (!best || outcome.score > best->score) {
            best = outcome;
            bestRight = right;
        }
        if (fineBestSquare && annealer.plaintext() == count.finePlain) {
            if (!from)
                ++agreeing;
            else
                ++shakenInVain;
        } else if (fine > fineBest) {
            fineBest = fine;
            fineBestSquare = outcome.square;
            count.fineBestIsKey = right;
            count.finePlain = annealer.plaintext();
            agreeing = from ? 0 : 1;
            shakenInVain = 0;
        } else if (from) {
            ++shakenInVain;
        }
        const int bestGroups = statistics.sum(count.finePlain.data(), count.finePlain.size());
        if (count.trustedAt < 0 && agreeing >= (plain.size() >= 80 ? 2 : 3)
            && choice.readsLike(count.finePlain.data(), bestGroups)) {
            count.trustedAt = s;
            count.trustedRight = count.fineBestIsKey;
        }
        if (count.settledAt < 0 && shakenInVain >= shakesInVain && choice.readsWell(count.finePlain.data(), bestGroups)) {
            count.settledAt = s;
            count.settledRight = count.fineBestIsKey;
        }
        count.onTheKey += right;
        count.aboveTheKey += !right && outcome.score >= keyScore;
        count.fineAbove += !right && fine >= keyFine;
        if (right && count.first < 0)
            count.first = s;
    }
    count.bestIsKey = bestRight;
    count.keys = keys.load();
    count.fineBest = fineBest;
    count.keyFine = keyFine;
    return count;
}

} // namespace

int main(int argc, char *argv[])
{
    AlphabetKind kind = AlphabetKind::Cyrillic;
    int texts = 10;
    double timeLimit = 10;
    int threads = 2;
    std::uint64_t seed = 1;
    bool keyWords = false;
    std::vector<std::size_t> lengths;
    int searches = 0;
    double hotter = 1;
    double longer = 1;
    int swaps = -1;
    int lineSwaps = -1;
    int blocks = -1;
    int shake = -1;
    int fromBest = -1;
    double budget = 0;
    int replicas = -1;
    double hottest = -1;
    int exchange = -1;
    bool classicTexts = false;
    int garble = 0;
    bool garbleLevels = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--alphabet" && alphabetFromCode(value))
            kind = *alphabetFromCode(value);
        else if (name == "--texts")
            texts = std::atoi(value.c_str());
        else if (name == "--time-limit")
            timeLimit = std::atof(value.c_str());
        else if (name == "--threads")
            threads = std::atoi(value.c_str());
        else if (name == "--seed")
            seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (name == "--searches")
            searches = std::atoi(value.c_str());
        else if (name == "--hotter")
            hotter = std::atof(value.c_str());
        else if (name == "--longer")
            longer = std::atof(value.c_str());
        else if (name == "--swaps")
            swaps = std::atoi(value.c_str());
        else if (name == "--budget")
            budget = std::atof(value.c_str());
        else if (name == "--replicas")
            replicas = std::atoi(value.c_str());
        else if (name == "--hottest")
            hottest = std::atof(value.c_str());
        else if (name == "--exchange")
            exchange = std::atoi(value.c_str());
        else if (name == "--from-best")
            fromBest = std::atoi(value.c_str());
        else if (name == "--shake")
            shake = std::atoi(value.c_str());
        else if (name == "--blocks")
            blocks = std::atoi(value.c_str());
        else if (name == "--line-swaps")
            lineSwaps = std::atoi(value.c_str());
        else if (name == "--classic-texts")
            classicTexts = value == "1";
        else if (name == "--keywords")
            keyWords = value == "1";
        else if (name == "--garble")
            garble = std::atoi(value.c_str());
        else if (name == "--garble-levels")
            garbleLevels = value == "1";
        else if (name == "--lengths") {
            std::stringstream list(value);
            for (std::string item; std::getline(list, item, ',');)
                lengths.push_back(std::size_t(std::atoi(item.c_str())));
        } else {
            std::fprintf(stderr, "bench_shaped: unknown option %s\n", name.c_str());
            return 2;
        }
    }
    if (kind == AlphabetKind::LatinIJ) {
        std::fprintf(stderr, "bench_shaped: the classic alphabet is bench_solver's\n");
        return 2;
    }
    if (lengths.empty())
        lengths = keyWords ? std::vector<std::size_t>{40, 60} : std::vector<std::size_t>{100, 150, 200};
    const SolverLetters &letters = SolverLetters::of(kind);
    if (garble > 0) {
        playfair::bench::GarbledRun run{kind, texts, garble, lengths, timeLimit, threads, seed};
        const std::string path = std::string(PLAYFAIR_HELDOUT_DIR)
            + (!garbleLevels                    ? heldOutPath(kind).substr(std::string(PLAYFAIR_HELDOUT_DIR).size())
                   : kind == AlphabetKind::Cyrillic ? "/bg_elin_pelin_razkazi.txt"
                                                    : "/en_carroll_alice_in_wonderland.txt");
        std::ifstream in(path, std::ios::binary);
        const std::vector<std::uint8_t> book = preparedLetters(
            letters, std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
        if (book.size() < 1000) {
            std::fprintf(stderr, "bench_shaped: cannot read %s\n", path.c_str());
            return 1;
        }
        std::printf("book: %s\n", path.c_str());
        return garbleLevels ? playfair::bench::benchGarbleLevels(run, book) : playfair::bench::benchGarbledShaped(run, book);
    }
    std::ifstream file(heldOutPath(kind), std::ios::binary);
    const std::string book{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::vector<std::uint8_t> prepared = preparedLetters(letters, book);
    const std::vector<std::vector<std::uint8_t>> words = wordsOf(letters, book);
    if (prepared.size() < 1000 || words.empty()) {
        std::fprintf(stderr, "bench_shaped: cannot read %s\n", heldOutPath(kind).c_str());
        return 1;
    }
    if (classicTexts && kind != AlphabetKind::LatinQ) {
        std::fprintf(stderr, "bench_shaped: --classic-texts is for latin-q\n");
        return 2;
    }
    // The book as the classic benchmarks read it, and its Latin letters as
    // they stand, one for each of the classic text's letters.
    const playfair::bench::HeldOutBook classicBook =
        classicTexts ? playfair::bench::readHeldOutBook(Language::English) : playfair::bench::HeldOutBook{};
    std::string bookLetters;
    for (char c : classicBook.raw) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            bookLetters += c;
    }
    // A passage of `length` prepared letters: with --classic-texts where
    // bench_solver's makeCase takes it, else anywhere in the prepared book.
    const auto passage = [&](std::size_t length, Random &random) {
        if (classicTexts) {
            const std::size_t start = random.below(std::uint32_t(classicBook.text.size() - 2 * length));
            std::vector<std::uint8_t> plain = preparedLetters(letters, bookLetters.substr(start, 2 * length));
            plain.resize(length);
            return plain;
        }
        const std::size_t at = 2 * random.below(std::uint32_t((prepared.size() - length) / 2));
        return std::vector<std::uint8_t>(prepared.begin() + std::ptrdiff_t(at), prepared.begin() + std::ptrdiff_t(at + length));
    };
    if (searches > 0 || budget > 0) {
        std::printf("alphabet %s (%d x %d), random squares, %d texts a length, %d searches a text, "
                    "temperature x %.2f, moves x %.2f\n",
                    std::string(alphabetCode(kind)).c_str(), letters.rows, letters.columns, texts, searches, hotter,
                    longer);
        std::printf("%7s %9s %9s %15s %14s %14s %12s %14s %12s %12s %12s %10s\n", "letters", "on key", "searches",
                    "texts reached", "median first", "above the key", "(on texts)", "choice above", "(on texts)",
                    "best is key", "choice best", "key reads");
        const auto movesBudget = std::uint64_t(std::llround(budget * 1e6));
        if (movesBudget > 0)
            std::printf("a budget of %.1f million moves a text in place of the searches' count\n", budget);
        Random random(seed);
        for (const std::size_t length : lengths) {
            ShapedPlan plan = shapedPlan(kind, length);
            plan.temperature *= hotter;
            plan.moves = std::uint32_t(std::lround(plan.moves * longer));
            if (swaps >= 0)
                plan.swapPercent = swaps;
            if (lineSwaps >= 0)
                plan.lineSwapPercent = lineSwaps;
            if (blocks >= 0)
                plan.blockPercent = blocks;
            if (shake >= 0)
                plan.shakeSwaps = shake;
            if (fromBest >= 0)
                plan.fromBestPercent = fromBest;
            if (replicas > 0)
                plan.replicas = replicas;
            if (hottest > 0)
                plan.hottest = hottest;
            if (exchange > 0)
                plan.exchangeMoves = std::uint32_t(exchange);
            int onTheKey = 0;
            int reached = 0;
            int above = 0;
            int textsAbove = 0;
            int fineAbove = 0;
            int fineTextsAbove = 0;
            int bestIsKey = 0;
            int fineBestIsKey = 0;
            int keyReads = 0;
            int trustedRight = 0;
            int trustedWrong = 0;
            int settledRight = 0;
            int settledWrong = 0;
            std::vector<int> firsts;
            int searchesRun = 0;
            for (int t = 0; t < texts; ++t) {
                const std::vector<std::uint8_t> plain = passage(length, random);
                std::vector<std::uint8_t> square = shapedKeySquare(letters, {});
                for (std::size_t i = square.size() - 1; i > 0; --i)
                    std::swap(square[i], square[random.below(std::uint32_t(i + 1))]);
                const std::vector<std::uint8_t> cipher = shapedTransform(letters, square, plain, +1);
                const std::uint64_t textSeed = random.next();
                const SearchCount count = kind == AlphabetKind::Cyrillic
                    ? countSearches<5, 6>(kind, cipher, plain, square, plan, searches, movesBudget, textSeed)
                    : kind == AlphabetKind::LatinDigits ? countSearches<6, 6>(kind, cipher, plain, square, plan, searches, movesBudget, textSeed)
                                                        : countSearches<5, 5>(kind, cipher, plain, square, plan, searches, movesBudget, textSeed);
                onTheKey += count.onTheKey;
                searchesRun += count.searches;
                reached += count.onTheKey > 0;
                above += count.aboveTheKey;
                textsAbove += count.aboveTheKey > 0;
                fineAbove += count.fineAbove;
                fineTextsAbove += count.fineAbove > 0;
                bestIsKey += count.bestIsKey;
                fineBestIsKey += count.fineBestIsKey;
                keyReads += count.keyReads;
                trustedRight += count.trustedAt >= 0 && count.trustedRight;
                trustedWrong += count.trustedAt >= 0 && !count.trustedRight;
                settledRight += count.settledAt >= 0 && count.settledRight;
                settledWrong += count.settledAt >= 0 && !count.settledRight;
                if (count.first >= 0)
                    firsts.push_back(count.first);
                // Each text on its own line, with the plaintext chosen where
                // it is not the key's.
                std::fprintf(stderr, "  %zu letters, text %d: %d on the key of %d, first %d, trusted %d%s, settled %d%s; choice's best %.1f, key %.1f%s%s%s%s\n",
                             length, t + 1, count.onTheKey, count.searches, count.first, count.trustedAt,
                             count.trustedAt < 0 ? "" : count.trustedRight ? " right" : " WRONG", count.settledAt,
                             count.settledAt < 0 ? "" : count.settledRight ? " right" : " WRONG", count.fineBest, count.keyFine,
                             count.fineBestIsKey ? "" : ": ",
                             count.fineBestIsKey ? "" : letters.text(count.finePlain.data(), count.finePlain.size()).c_str(),
                             count.fineBestIsKey ? "" : " for ",
                             count.fineBestIsKey ? "" : letters.text(plain.data(), plain.size()).c_str());
            }
            std::sort(firsts.begin(), firsts.end());
            if (plan.replicas > 1)
                std::printf("(parallel tempering: %d squares up to %.2f times hotter, exchanging every %u moves)\n",
                            plan.replicas, plan.hottest, plan.exchangeMoves);
            std::printf("%7zu %9d %9d %15d %14d %14d %12d %14d %12d %12d %12d %10d\n", length, onTheKey, searchesRun,
                        reached, firsts.empty() ? -1 : firsts[firsts.size() / 2], above, textsAbove, fineAbove,
                        fineTextsAbove, bestIsKey, fineBestIsKey, keyReads);
            // Where the texts go: trusted by two searches agreeing (right or
            // wrong), and by the shaken searches' rule, within the searches run.
            std::printf("        trusted by agreement %d right, %d wrong; settled by shaken searches %d right, %d wrong; "
                        "reached %d, never reached %d\n",
                        trustedRight, trustedWrong, settledRight, settledWrong, reached, texts - reached);
            std::fflush(stdout);
        }
        return 0;
    }
    std::printf("alphabet %s (%d x %d), %s squares, %d texts a length, %.0f s, %d threads\n",
                std::string(alphabetCode(kind)).c_str(), letters.rows, letters.columns,
                keyWords ? "key-word" : "random", texts, timeLimit, threads);
    std::printf("%7s %8s %8s %9s %9s %12s\n", "letters", "solved", "named", "median s", "worst s", "keys/s/core");
    Random random(seed);
    for (const std::size_t length : lengths) {
        int solved = 0;
        int named = 0;
        std::vector<double> times;
        double keys = 0;
        double seconds = 0;
        for (int t = 0; t < texts; ++t) {
            const std::vector<std::uint8_t> plain = passage(length, random);
            std::vector<std::uint8_t> square;
            std::string keyWord;
            if (keyWords) {
                const std::vector<std::uint8_t> &word = words[random.below(std::uint32_t(words.size()))];
                keyWord = letters.text(word.data(), word.size());
                square = shapedKeySquare(letters, word);
            } else {
                square = shapedKeySquare(letters, {});
                for (std::size_t i = square.size() - 1; i > 0; --i)
                    std::swap(square[i], square[random.below(std::uint32_t(i + 1))]);
            }
            const std::vector<std::uint8_t> cipher = shapedTransform(letters, square, plain, +1);
            ShapedOptions options;
            options.alphabet = kind;
            options.timeLimit = std::chrono::milliseconds(std::lround(timeLimit * 1000));
            options.threads = threads;
            options.seed = random.next();
            options.squares = keyWords ? SquareKind::Any : SquareKind::Random;
            const ShapedResult result = solveShaped(cipher, options);
            const bool right = result.plaintext == letters.text(plain.data(), plain.size());
            solved += right;
            named += right && result.keyWord
                && shapedKeySquare(letters, letters.numbersOf(*result.keyWord)) == square;
            // Each text on its own line: a miss is the search's when the
            // key's plaintext ranks above the answer by the solver's choice,
            // else the choice's.
            if (const std::vector<std::uint8_t> answer = letters.numbersOf(result.plaintext);
                !keyWords && answer.size() == plain.size()) {
                const ShapedStatistics &statistics = ShapedStatistics::of(kind);
                const ShapedChoice choice(kind, plain.size());
                const double keyFine = choice.of(plain.data(), statistics.sum(plain.data(), plain.size()));
                const double answerFine = choice.of(answer.data(), statistics.sum(answer.data(), answer.size()));
                std::fprintf(stderr, "  %zu letters, text %d: %s in %.2f s, %d restarts; choice's answer %.1f, key %.1f\n",
                             length, t + 1, right ? "solved" : keyFine > answerFine ? "missed" : "outscored",
                             result.elapsedSeconds, result.restarts, answerFine, keyFine);
            }
            times.push_back(result.elapsedSeconds);
            keys += double(result.keysTested);
            seconds += result.elapsedSeconds * threads;
        }
        std::sort(times.begin(), times.end());
        std::printf("%7zu %7.0f%% %7.0f%% %9.2f %9.2f %12.0f\n", length, 100.0 * solved / texts,
                    keyWords ? 100.0 * named / texts : 0.0, times[times.size() / 2], times.back(), keys / seconds);
        std::fflush(stdout);
    }
    return 0;
}
