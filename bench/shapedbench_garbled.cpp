#include "bench/shapedbench_garbled.h"

#include "analysis/garbling.h"
#include "analysis/search/random.h"
#include "analysis/shaped/shapedsolver.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace playfair::bench {

using namespace analysis;

namespace {

struct GarbledText
{
    std::vector<std::uint8_t> plain;
    std::vector<std::uint8_t> square;
    std::vector<std::uint8_t> cipher;  // as sent
    std::vector<std::uint8_t> garbled; // as received
    int changes = 0;
};

// A passage of the book on a random square, 1 to `most` of its cipher
// letters changed: each at a place not changed before, never into the
// letter it was nor into its pair's other letter.
GarbledText garbledText(const SolverLetters &letters, const std::vector<std::uint8_t> &book, std::size_t length,
                        int most, Random &random)
{
    GarbledText text;
    const std::size_t at = 2 * random.below(std::uint32_t((book.size() - length) / 2));
    text.plain.assign(book.begin() + std::ptrdiff_t(at), book.begin() + std::ptrdiff_t(at + length));
    text.square = shapedKeySquare(letters, {});
    for (std::size_t i = text.square.size() - 1; i > 0; --i)
        std::swap(text.square[i], text.square[random.below(std::uint32_t(i + 1))]);
    text.cipher = shapedTransform(letters, text.square, text.plain, +1);
    text.garbled = text.cipher;
    text.changes = 1 + int(random.below(std::uint32_t(most)));
    for (int k = 0; k < text.changes;) {
        const std::size_t place = random.below(std::uint32_t(length));
        const auto letter = std::uint8_t(random.below(std::uint32_t(letters.size())));
        if (letter == text.garbled[place] || letter == text.garbled[place ^ 1] || text.garbled[place] != text.cipher[place])
            continue;
        text.garbled[place] = letter;
        ++k;
    }
    return text;
}

// The pairs of `read` that differ from `plain`.
std::vector<bool> wrongPairs(const std::vector<std::uint8_t> &read, const std::vector<std::uint8_t> &plain)
{
    std::vector<bool> wrong(plain.size() / 2, false);
    for (std::size_t i = 0; i < plain.size() && i < read.size(); ++i)
        wrong[i / 2] = wrong[i / 2] || read[i] != plain[i];
    return wrong;
}

} // namespace

int benchGarbledShaped(const GarbledRun &run, const std::vector<std::uint8_t> &book)
{
    const SolverLetters &letters = SolverLetters::of(run.kind);
    std::printf("Garbled letters on %s: 1 to %d letters of each ciphertext changed (never into a doubled pair); "
                "random squares; %d texts a length; time limit %.0f s; %d threads; level %.1f\n\n",
                std::string(alphabetCode(run.kind)).c_str(), run.most, run.texts, run.timeLimit, run.threads,
                garbledGainLog10(run.kind));
    std::printf("| Letters | Solved (the square right) | Median time | Garbled pairs marked | Correct pairs marked, "
                "a text |\n|---:|---:|---:|---:|---:|\n");
    Random random(run.seed);
    for (const std::size_t length : run.lengths) {
        int solved = 0;
        int garbledPairs = 0;
        int caught = 0;
        int falseMarks = 0;
        std::vector<double> times;
        for (int t = 0; t < run.texts; ++t) {
            const GarbledText text = garbledText(letters, book, length, run.most, random);
            ShapedOptions options;
            options.alphabet = run.kind;
            options.timeLimit = std::chrono::milliseconds(std::lround(run.timeLimit * 1000));
            options.threads = run.threads;
            options.seed = random.next();
            options.squares = SquareKind::Random;
            const ShapedResult result = solveShaped(text.garbled, options);
            times.push_back(result.elapsedSeconds);
            // Right when its square decrypts the ciphertext as sent into the
            // true plaintext.
            const bool right = result.found && shapedTransform(letters, result.square, text.cipher, -1) == text.plain;
            solved += right;
            if (right) {
                const std::vector<bool> wrong = wrongPairs(letters.numbersOf(result.plaintext), text.plain);
                garbledPairs += int(std::count(wrong.begin(), wrong.end(), true));
                for (std::size_t pair : result.garbling.pairs)
                    (wrong[pair] ? caught : falseMarks) += 1;
            }
            std::fprintf(stderr, "  %zu letters, text %d, %d changed: %s in %.2f s, %zu pairs marked\n", length, t + 1,
                         text.changes, right ? "solved" : "not solved", result.elapsedSeconds,
                         result.garbling.pairs.size());
        }
        std::sort(times.begin(), times.end());
        std::printf("| %zu | %d %% (%d of %d) | %.2f s | %d %% (%d of %d) | %.2f |\n", length, 100 * solved / run.texts,
                    solved, run.texts, times[times.size() / 2], garbledPairs ? 100 * caught / garbledPairs : 0, caught,
                    garbledPairs, solved ? double(falseMarks) / solved : 0.0);
        std::fflush(stdout);
    }
    return 0;
}

int benchGarbleLevels(const GarbledRun &run, const std::vector<std::uint8_t> &book)
{
    const SolverLetters &letters = SolverLetters::of(run.kind);
    std::vector<double> levels;
    for (double level = 2.5; level <= 7.01; level += 0.5)
        levels.push_back(level);
    std::printf("Garbling levels on %s: %d texts of %zu letters, 1 to %d cipher letters changed, decrypted by the "
                "true square; the level in use %.1f\n\n",
                std::string(alphabetCode(run.kind)).c_str(), run.texts, run.lengths.front(), run.most,
                garbledGainLog10(run.kind));
    std::printf("| Level, log10 | Correct pairs marked, in 300 (texts as sent) | Correct pairs marked, in 300 (garbled) "
                "| Garbled pairs marked | Texts stopping to read |\n|---:|---:|---:|---:|---:|\n");
    std::vector<int> cleanMarks(levels.size());
    std::vector<int> falseMarks(levels.size());
    std::vector<int> caught(levels.size());
    std::vector<int> stops(levels.size());
    int correctPairs = 0;
    int garbledPairs = 0;
    int cleanPairs = 0;
    double seconds = 0;
    Random random(run.seed);
    for (int t = 0; t < run.texts; ++t) {
        const GarbledText text = garbledText(letters, book, run.lengths.front(), run.most, random);
        const std::vector<std::uint8_t> read = shapedTransform(letters, text.square, text.garbled, -1);
        const std::vector<bool> wrong = wrongPairs(read, text.plain);
        const int wrongCount = int(std::count(wrong.begin(), wrong.end(), true));
        garbledPairs += wrongCount;
        correctPairs += int(wrong.size()) - wrongCount;
        cleanPairs += int(text.plain.size() / 2);
        for (std::size_t l = 0; l < levels.size(); ++l) {
            const auto started = std::chrono::steady_clock::now();
            const Garbling garbling = findGarbledPairs(read, run.kind, levels[l]);
            seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            for (std::size_t pair : garbling.pairs)
                (wrong[pair] ? caught[l] : falseMarks[l]) += 1;
            stops[l] += garbling.unreadableFrom.has_value();
            cleanMarks[l] += int(findGarbledPairs(text.plain, run.kind, levels[l]).pairs.size());
        }
    }
    for (std::size_t l = 0; l < levels.size(); ++l) {
        std::printf("| %.1f | %.2f | %.2f | %d %% (%d of %d) | %d |\n", levels[l], 300.0 * cleanMarks[l] / cleanPairs,
                    300.0 * falseMarks[l] / std::max(correctPairs, 1), 100 * caught[l] / std::max(garbledPairs, 1),
                    caught[l], garbledPairs, stops[l]);
    }
    std::printf("\n%.1f ms a text to mark its pairs\n", 1000 * seconds / double(run.texts * int(levels.size())));
    return 0;
}

} // namespace playfair::bench
