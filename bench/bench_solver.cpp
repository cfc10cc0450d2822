// The solver's benchmark: it makes ciphertexts of several lengths from the
// held-out book (never seen by the letter statistics), each on a random
// square with the textbook preparation, breaks them and prints, by length,
// the share solved (plaintext exactly right), the median and the worst time,
// and the keys tested per second per core. Of the texts not solved it counts
// those the search missed (their true plaintext scores higher than the
// answer) and those a wrong plaintext outscores, which no search can mend.
// It judges nothing.
//
//     bench_solver [--language en|bg] [--texts N] [--time-limit S] [--threads T]
//                  [--lengths 40,50,...] [--seed S] [--crib N] [--heldout FILE]
//
// --crib N also gives the solver N letters of each plaintext at a random
// place, with that place. --until-found 1 stops each search as soon as its
// best plaintext is the right one, to time the search alone, without the
// agreement the solver waits for before it trusts an answer.

#include "analysis/corpus.h"
#include "analysis/letterstatistics.h"
#include "analysis/random.h"
#include "analysis/solver.h"
#include "engine/textbook.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace playfair::analysis;

namespace {

struct Options
{
    Language language = Language::English;
    int texts = 20;
    double timeLimit = 10;
    int threads = 2;
    std::vector<int> lengths{40, 50, 60, 80, 100, 150, 200};
    std::uint64_t seed = 2026;
    int crib = 0;
    bool untilFound = false;
    std::string heldout;
};

std::vector<int> parseLengths(const std::string &text)
{
    std::vector<int> lengths;
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ','))
        lengths.push_back(std::atoi(item.c_str()));
    return lengths;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Case
{
    std::string plain; // prepared, `length` letters
    Square square{};
    std::vector<Letter> cipher;
};

Case makeCase(const std::string &text, std::size_t length, Random &rng)
{
    Case c;
    const std::size_t start = rng.below(std::uint32_t(text.size() - 2 * length));
    c.plain = playfair::preparedMessage(text.substr(start, 2 * length)).substr(0, length);
    for (int cell = 0; cell < 25; ++cell)
        c.square[cell] = Letter(cell);
    for (int cell = 24; cell > 0; --cell)
        std::swap(c.square[cell], c.square[rng.below(cell + 1)]);
    const std::string cipher = playfair::transformedPairs(squareToText(c.square), c.plain, +1);
    for (char letter : cipher)
        c.cipher.push_back(Letter(letterNumber(letter)));
    return c;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--language")
            options.language = languageFromCode(value).value_or(Language::English);
        else if (name == "--texts")
            options.texts = std::atoi(value.c_str());
        else if (name == "--time-limit")
            options.timeLimit = std::atof(value.c_str());
        else if (name == "--threads")
            options.threads = std::atoi(value.c_str());
        else if (name == "--lengths")
            options.lengths = parseLengths(value);
        else if (name == "--seed")
            options.seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (name == "--crib")
            options.crib = std::atoi(value.c_str());
        else if (name == "--until-found")
            options.untilFound = value == "1";
        else if (name == "--heldout")
            options.heldout = value;
        else {
            std::fprintf(stderr, "bench_solver: unknown option %s\n", name.c_str());
            return 2;
        }
    }
    if (options.heldout.empty()) {
        options.heldout = std::string(PLAYFAIR_HELDOUT_DIR) + (options.language == Language::Bulgarian
                                                                   ? "/bg_karavelov_maminoto_detentse.txt"
                                                                   : "/en_wells_time_machine.txt");
    }
    std::ifstream file(options.heldout, std::ios::binary);
    const std::string raw{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::string text = cleanedCorpusText(raw, options.language == Language::Bulgarian);
    if (text.size() < 10000) {
        std::fprintf(stderr, "bench_solver: cannot read the held-out text %s\n", options.heldout.c_str());
        return 1;
    }

    std::printf("Held-out text: %s (%zu letters); language %s; %d texts a length; time limit %.0f s; %d threads%s\n\n",
                options.heldout.c_str(), text.size(), std::string(languageCode(options.language)).c_str(),
                options.texts, options.timeLimit, options.threads,
                options.crib ? (", crib of " + std::to_string(options.crib) + " letters at its place").c_str() : "");
    std::printf("| Letters | Solved | Median time | Worst time | Median time to the answer | Not solved: missed / outscored | Keys/s per core |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|---:|\n");

    Random rng(options.seed);
    for (int length : options.lengths) {
        int solved = 0;
        std::vector<double> times;
        std::vector<double> found;
        double keys = 0;
        double seconds = 0;
        struct
        {
            int solved = 0, outscored = 0, missed = 0;
        } outcomes;
        for (int t = 0; t < options.texts; ++t) {
            const Case c = makeCase(text, std::size_t(length), rng);
            SolverOptions solverOptions;
            solverOptions.language = options.language;
            solverOptions.timeLimit = std::chrono::milliseconds(std::int64_t(options.timeLimit * 1000));
            solverOptions.threads = options.threads;
            solverOptions.seed = rng.next();
            if (options.crib > 0) {
                const std::size_t at = rng.below(std::uint32_t(length - options.crib + 1));
                solverOptions.crib = c.plain.substr(at, std::size_t(options.crib));
                solverOptions.cribPosition = at;
            }
            double firstRight = -1;
            std::stop_source stop;
            solverOptions.progressInterval = std::chrono::milliseconds(options.untilFound ? 5 : 50);
            solverOptions.onProgress = [&](const SolverReport &report) {
                if (firstRight < 0 && report.plaintext == c.plain) {
                    firstRight = report.elapsedSeconds;
                    if (options.untilFound)
                        stop.request_stop();
                }
            };
            const SolverResult result = solve(c.cipher, solverOptions, stop.get_token());
            const bool right = result.plaintext == c.plain;
            solved += right;
            times.push_back(right ? result.elapsedSeconds : 1e9);
            if (right)
                found.push_back(firstRight >= 0 ? firstRight : result.elapsedSeconds);
            keys += double(result.keysTested);
            seconds += result.elapsedSeconds;
            // A text not solved either was missed by the search (the true
            // plaintext scores higher than the answer) or cannot be solved by
            // these statistics (a wrong plaintext scores at least as high).
            std::vector<Letter> truth;
            for (char letter : c.plain)
                truth.push_back(Letter(letterNumber(letter)));
            const double truthScore = LetterStatistics::of(options.language).meanLog10(truth.data(), truth.size());
            ++(right ? outcomes.solved : result.score >= truthScore ? outcomes.outscored : outcomes.missed);
            std::fprintf(stderr, "  %d letters, text %d: %s in %.2f s (%s%s, %llu keys; score %.3f, the truth %.3f)\n",
                         length, t + 1, right ? "solved" : "not solved", result.elapsedSeconds,
                         std::string(stopReasonCode(result.stopped)).c_str(),
                         result.stopped != StopReason::Confident ? ""
                         : result.settled ? ": settled"
                                          : (": " + std::to_string(result.agreeing) + " agreed").c_str(),
                         static_cast<unsigned long long>(result.keysTested), result.score, truthScore);
        }
        std::sort(times.begin(), times.end());
        const double medianTime = times[times.size() / 2];
        const bool allSolved = solved == options.texts;
        char medianText[32];
        char worstText[32];
        std::snprintf(medianText, sizeof medianText, medianTime < 1e8 ? "%.2f s" : "—", medianTime);
        std::snprintf(worstText, sizeof worstText, allSolved ? "%.2f s" : "—", times.back());
        std::printf("| %d | %d %% (%d of %d) | %s | %s | %.2f s | %d / %d | %.1f M |\n", length,
                    100 * solved / options.texts, solved, options.texts, medianText, worstText, median(found),
                    outcomes.missed, outcomes.outscored, keys / seconds / options.threads / 1e6);
        std::fflush(stdout);
    }
}
