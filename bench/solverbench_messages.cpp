// The solver's benchmark on messages as they arrive: the language left to
// the solver against the language named, on the same texts; and ciphertexts
// with letters garbled in transmission.

#include "analysis/search/pairtables.h"
#include "bench/solvercases.h"

#include <cstdio>

namespace playfair::bench {

namespace {

// One solve, with the time and the keys tested until the answer first
// showed (the end of the search if it never showed before).
struct Run
{
    SolverResult result;
    bool right = false;
    double toAnswer = 0;
    double keysToAnswer = 0;
};

// `keyBudget`: millions of keys after which the search stops (0: none).
Run solveTimed(const std::vector<Letter> &cipher, SolverOptions options, const std::string &plain, double keyBudget)
{
    Run run;
    run.toAnswer = -1;
    std::stop_source stop;
    if (keyBudget > 0)
        options.progressInterval = std::chrono::milliseconds(5);
    options.onProgress = [&](const SolverReport &report) {
        if (keyBudget > 0 && double(report.keysTested) >= keyBudget * 1e6)
            stop.request_stop();
        if (run.toAnswer < 0 && report.plaintext == plain) {
            run.toAnswer = report.elapsedSeconds;
            run.keysToAnswer = double(report.keysTested);
        }
    };
    run.result = solve(cipher, options, stop.get_token());
    run.right = run.result.plaintext == plain;
    if (run.toAnswer < 0) {
        run.toAnswer = run.result.elapsedSeconds;
        run.keysToAnswer = double(run.result.keysTested);
    }
    return run;
}

std::string seconds(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", value);
    return text;
}

std::string ratio(double found, double named)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", named > 0 ? found / named : 0.0);
    return text;
}

} // namespace

int benchLanguages(const Options &options, const std::string &text)
{
    std::printf("Language named against found by the solver, on the same texts; held-out text %s (%zu letters); "
                "language %s; random squares; %d texts a length; time limit %.0f s; %d threads; key budget %.0f M\n\n",
                options.heldout.c_str(), text.size(), std::string(languageCode(options.language)).c_str(),
                options.texts, options.timeLimit, options.threads, options.keyBudget);
    std::printf("| Letters | Solved, named | Solved, found | Of those solved named, solved found | Language found "
                "right | Median time to the answer, named / found (ratio) | Median keys to the answer, named / found "
                "(ratio) | Median time to the end, named / found (ratio) |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    Options named = options;
    named.autoLanguage = false;
    Random rng(options.seed);
    for (int length : options.lengths) {
        int solvedNamed = 0;
        int solvedFound = 0;
        int solvedBoth = 0;
        int languageRight = 0;
        std::vector<double> answerNamed, answerFound, keysNamed, keysFound, endNamed, endFound;
        for (int t = 0; t < options.texts; ++t) {
            Case c = makeCase(text, std::size_t(length), rng, options.doubles);
            encryptOn(c, randomSquare(rng));
            const SolverOptions withLanguage = solverOptionsFor(named, rng);
            SolverOptions withoutLanguage = withLanguage;
            withoutLanguage.language.reset();
            // Taken in turns, so that the machine's load falls alike on both.
            Run byName;
            Run byItself;
            if (t % 2 == 0) {
                byName = solveTimed(c.cipher, withLanguage, c.plain, options.keyBudget);
                byItself = solveTimed(c.cipher, withoutLanguage, c.plain, options.keyBudget);
            } else {
                byItself = solveTimed(c.cipher, withoutLanguage, c.plain, options.keyBudget);
                byName = solveTimed(c.cipher, withLanguage, c.plain, options.keyBudget);
            }
            solvedNamed += byName.right;
            solvedFound += byItself.right;
            languageRight += byItself.result.language == options.language;
            if (byName.right && byItself.right) {
                ++solvedBoth;
                answerNamed.push_back(byName.toAnswer);
                answerFound.push_back(byItself.toAnswer);
                keysNamed.push_back(byName.keysToAnswer);
                keysFound.push_back(byItself.keysToAnswer);
                endNamed.push_back(byName.result.elapsedSeconds);
                endFound.push_back(byItself.result.elapsedSeconds);
            }
            std::fprintf(stderr, "  %d letters, text %d: named %s in %.2f s (answer %.2f s), found %s in %.2f s "
                                 "(answer %.2f s, language %s)\n",
                         length, t + 1, byName.right ? "solved" : "not solved", byName.result.elapsedSeconds,
                         byName.toAnswer, byItself.right ? "solved" : "not solved", byItself.result.elapsedSeconds,
                         byItself.toAnswer, std::string(languageCode(byItself.result.language)).c_str());
        }
        const auto pair = [](const std::vector<double> &a, const std::vector<double> &b, bool time) {
            const double x = median(a);
            const double y = median(b);
            char text[96];
            if (time)
                std::snprintf(text, sizeof text, "%s / %s (%s)", seconds(x).c_str(), seconds(y).c_str(), ratio(y, x).c_str());
            else
                std::snprintf(text, sizeof text, "%.1f M / %.1f M (%s)", x / 1e6, y / 1e6, ratio(y, x).c_str());
            return std::string(text);
        };
        std::printf("| %d | %d of %d | %d of %d | %d of %d | %d of %d | %s | %s | %s |\n", length, solvedNamed,
                    options.texts, solvedFound, options.texts, solvedBoth, solvedNamed, languageRight, options.texts,
                    pair(answerNamed, answerFound, true).c_str(), pair(keysNamed, keysFound, false).c_str(),
                    pair(endNamed, endFound, true).c_str());
        std::fflush(stdout);
    }
    return 0;
}

int benchGarbled(const Options &options, const std::string &text)
{
    std::printf("Garbled letters: 1 to %d letters of each ciphertext changed (never into a doubled pair); held-out "
                "text %s (%zu letters); language %s%s; random squares; %d texts a length; time limit %.0f s; %d "
                "threads\n\n",
                options.garble, options.heldout.c_str(), text.size(), std::string(languageCode(options.language)).c_str(),
                options.autoLanguage ? ", found by the solver" : "", options.texts, options.timeLimit, options.threads);
    std::printf("| Letters | Solved (the square right) | Median time to the answer | Median time | Garbled pairs "
                "marked | Correct pairs marked, a text |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|\n");
    Random rng(options.seed);
    for (int length : options.lengths) {
        int solved = 0;
        int garbledPairs = 0;
        int caught = 0;
        int falseMarks = 0;
        std::vector<double> answer;
        std::vector<double> times;
        for (int t = 0; t < options.texts; ++t) {
            // The texts and squares are those of the run without garbling;
            // the changes come from a generator of their own.
            Case c = makeCase(text, std::size_t(length), rng, options.doubles);
            encryptOn(c, randomSquare(rng));
            const SolverOptions solverOptions = solverOptionsFor(options, rng);
            Random garbler(options.seed ^ (std::uint64_t(length) << 32) ^ std::uint64_t(t + 1));
            std::vector<Letter> garbled = c.cipher;
            const int changes = 1 + int(garbler.below(std::uint32_t(options.garble)));
            for (int k = 0; k < changes;) {
                const std::size_t at = garbler.below(std::uint32_t(garbled.size()));
                const Letter letter = Letter(garbler.below(25));
                if (letter == garbled[at] || letter == garbled[at ^ 1] || garbled[at] != c.cipher[at])
                    continue;
                garbled[at] = letter;
                ++k;
            }
            // The answer is right when its square decrypts the ciphertext as
            // sent into the true plaintext.
            std::vector<Letter> clean(c.cipher.size());
            double firstRight = -1;
            SolverOptions timed = solverOptions;
            timed.onProgress = [&](const SolverReport &report) {
                if (firstRight >= 0 || !report.found)
                    return;
                decryptLetters(report.square, c.cipher.data(), c.cipher.size(), clean.data());
                if (lettersToText(clean.data(), clean.size()) == c.plain)
                    firstRight = report.elapsedSeconds;
            };
            const SolverResult result = solve(garbled, timed);
            decryptLetters(result.square, c.cipher.data(), c.cipher.size(), clean.data());
            const bool right = result.found && lettersToText(clean.data(), clean.size()) == c.plain;
            solved += right;
            times.push_back(result.elapsedSeconds);
            if (right) {
                answer.push_back(firstRight >= 0 ? firstRight : result.elapsedSeconds);
                std::vector<bool> wrong(garbled.size() / 2, false);
                for (std::size_t i = 0; i < garbled.size(); ++i)
                    wrong[i / 2] = wrong[i / 2] || result.plaintext[i] != c.plain[i];
                for (bool w : wrong)
                    garbledPairs += w;
                for (std::size_t pair : result.garbling.pairs)
                    (wrong[pair] ? caught : falseMarks) += 1;
            }
            std::fprintf(stderr, "  %d letters, text %d, %d changed: %s in %.2f s, %zu pairs marked\n", length, t + 1,
                         changes, right ? "solved" : "not solved", result.elapsedSeconds, result.garbling.pairs.size());
        }
        std::printf("| %d | %d %% (%d of %d) | %s | %s | %d %% (%d of %d) | %.2f |\n", length,
                    100 * solved / options.texts, solved, options.texts, seconds(median(answer)).c_str(),
                    seconds(median(times)).c_str(), garbledPairs ? 100 * caught / garbledPairs : 0, caught,
                    garbledPairs, solved ? double(falseMarks) / solved : 0.0);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace playfair::bench
