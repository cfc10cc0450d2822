#include "analysis/solver.h"

#include "analysis/search/annealer.h"
#include "analysis/search/chooser.h"
#include "analysis/ciphertext.h"
#include "analysis/keywords/keynames.h"
#include "analysis/search/pairtables.h"
#include "analysis/search/searchthreads.h"
#include "analysis/search/searchwork.h"
#include "analysis/statistics/wordstatistics.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <thread>
#include <variant>

namespace playfair::analysis {

namespace {

using Clock = std::chrono::steady_clock;

// Long texts are searched on their first letters only: more letters make
// every key slower to score without making the right one easier to find.
constexpr std::size_t searchedLetters = 300;

// A key word's plaintext is trusted when no other plaintext found comes
// within this many log10 units of it, the odds of a thousand to one.
constexpr double keyWordMargin = 3;
// ... and far above the best any random square could do: a hundred to one.
constexpr double keyWordOverRandom = 2;
// A key word's plaintext that leads every other found by a hundred
// thousand to one need only read well, not very well.
constexpr double keyWordFarMargin = 5;

std::uint64_t threadSeed(std::uint64_t seed, int thread)
{
    return Random(seed ^ (0x9E3779B97F4A7C15ull * std::uint64_t(thread + 1))).next();
}

} // namespace

std::string_view stopReasonCode(StopReason reason)
{
    switch (reason) {
    case StopReason::Confident:
        return "confident";
    case StopReason::TimeLimit:
        return "time-limit";
    case StopReason::Cancelled:
        return "cancelled";
    }
    return {};
}

int agreementNeeded(std::size_t letters)
{
    return letters >= 80 ? 2 : 3;
}

ScoreLevels scoreLevels(Language language)
{
    const LanguageModel &model = LanguageModel::of(language, 5);
    return {model.typicalLog10(), model.randomLog10()};
}

double plaintextScore(const std::vector<Letter> &plaintext, Language language)
{
    return LanguageModel::of(language, 5).meanLog10(plaintext.data(), plaintext.size());
}

SolverResult solve(const std::vector<Letter> &ciphertext, const SolverOptions &options, std::stop_token stop)
{
    const Clock::time_point start = Clock::now();
    // The crib and the first place of each known pair must lie inside the
    // searched letters (a square reads every place of a cipher pair alike).
    const SearchedText bound
        = analysis::searchedText(ciphertext, searchedLetters, options.crib, options.cribPosition, options.knownPairs);
    const std::vector<Letter> &searched = bound.letters;
    const Crib *theCrib = bound.crib ? &*bound.crib : nullptr;

    // The system's word lists are read in the background, once: the search
    // tries them on short texts when they are ready, and names key words by them.
    if (options.squares != SquareKind::Random && options.systemWordLists
        && SearchWork::searchesSystemLists(searched.size()))
        SystemWordLists::instance().startReading();

    // Padding stands at the end of the whole text only.
    const Chooser chooser(options.language, searched,
                          searched.size() == ciphertext.size() ? options.paddingAllowed : 0);
    const int threads = options.threads > 0 ? options.threads : int(std::max(1u, std::thread::hardware_concurrency()));
    SearchWork work(searched, options, theCrib, chooser, threads);

    Shared &shared = work.shared();
    const std::size_t letters = searched.size();
    const int needed = agreementNeeded(letters);
    // The best any random square could do: a plaintext reading as well as
    // the best one in twenty of real texts, with a random square's odds. A
    // key word's plaintext far above it, however poorly it reads, is the key.
    const auto randomCeiling = [&](Language language) {
        return work.priors().randomSquare
            + double(letters) * (Chooser::model(language).typicalLog10() + 1.5 / std::sqrt(double(letters)));
    };
    // Confident when a key word's square reads like the language far above
    // every other plaintext; when enough searches from random squares
    // reached the chooser's plaintext and it reads like the language; or, on
    // longer texts, when it reads well and shaking its square has found
    // nothing better many times over.
    const auto confidence = [&]() -> Confidence {
        const Judged *best = shared.best();
        if (!best)
            return Confidence::None;
        const double mean = best->verdict.meanLetterLog10;
        const Language language = best->verdict.language;
        const bool readsLikeTheLanguage = mean >= chooser.readsLikeTheLanguage(letters, language);
        // A key word's plaintext that reads well and leads every other
        // found a hundred thousand to one, once the single words and the books'
        // pairs are tried: a similar key's plaintext, partly right, reads
        // worse and leads the noise by less. A quarter of real texts do not
        // read very well, and waiting for every list kept them to the time
        // limit. Not a key of the search over keys' letters: a key a few
        // letters from the truth reads nearly as well, and one such, three
        // pairs wrong, was once trusted so.
        if ((best->candidate.origin == KeyOrigin::ListWord || best->candidate.origin == KeyOrigin::Phrase)
            && shared.pairTasksLeft == 0 && best->verdict.total - shared.runnerUp() >= keyWordFarMargin
            && mean >= chooser.readsWell(letters, language))
            return Confidence::KeyWord;
        if (best->fromKeyWord() && best->verdict.total - shared.runnerUp() >= keyWordMargin
            && (best->candidate.origin != KeyOrigin::KeySearch || shared.keySearchAgreeing >= 2)) {
            // A single word whose plaintext reads very well is trusted once
            // the single words are tried. Anything else waits until every
            // list has been: a key in none of the lists tried so far (a rarer
            // word, a phrase) leaves a similar key's plaintext half right and
            // reading like the language (SILVER SPOON for SILVER MOON). Then
            // it must read like the language, or lie far above anything a
            // random square could give; the program's own examples and a
            // class's lists need not wait for the system's.
            const std::optional<KeyName> key = work.keyOf(best->candidate);
            const bool singleWord = best->candidate.origin == KeyOrigin::ListWord && key
                && key->text.find(' ') == std::string::npos;
            if (singleWord && mean >= chooser.readsVeryWell(letters, language) && shared.wordTasksLeft == 0)
                return Confidence::KeyWord;
            // So is a phrase once the books' pairs of words are tried too,
            // and a key in no list that two searches from random keys
            // reached: a similar key's plaintext, half right, seldom reads
            // very well, and the likelier phrases are tried by then.
            const bool phrase = best->candidate.origin == KeyOrigin::Phrase || best->candidate.origin == KeyOrigin::KeySearch
                || (key && !singleWord && best->candidate.origin == KeyOrigin::ListWord);
            if (phrase && mean >= chooser.readsVeryWell(letters, language) && shared.pairTasksLeft == 0)
                return Confidence::KeyWord;
            // A key in no list that as many searches from random keys
            // reached as the general search needs need only read like the
            // language: noise is seldom reached twice.
            // Only on classroom texts, where lists of phrases are tried:
            // on longer ones the general search has its own agreement.
            if (best->candidate.origin == KeyOrigin::KeySearch && SearchWork::searchesSystemLists(letters)
                && shared.keySearchAgreeing >= needed
                && readsLikeTheLanguage && shared.pairTasksLeft == 0)
                return Confidence::KeyWord;
            const bool listsTried = shared.allListsTried() || (work.fromFavouredList(best->candidate) && shared.tasksLeft == 0);
            if (listsTried && (readsLikeTheLanguage || best->verdict.total - randomCeiling(language) >= keyWordOverRandom))
                return Confidence::KeyWord;
        }
        if (readsLikeTheLanguage && shared.agreeing >= needed)
            return Confidence::Agreed;
        if (letters >= settledFromLetters && shared.shakenInVain >= shakesInVain
            && mean >= chooser.readsWell(letters, language))
            return Confidence::Settled;
        return Confidence::None;
    };
    SolverResult result;

    // What a report says, with the mutex held; naming the key word of a
    // square from the general search takes a look through every list, so
    // progress names only the key words the key-word search tried.
    const auto report = [&](SolverReport &out, bool final) {
        out.found = shared.best() != nullptr;
        out.restarts = shared.restarts;
        out.agreeing = shared.agreeing;
        out.keysTested = shared.keys.load(std::memory_order_relaxed);
        out.keyWordsTested = shared.keyWords.load(std::memory_order_relaxed);
        out.plaintextsTested = shared.plaintexts.load(std::memory_order_relaxed);
        out.elapsedSeconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (const int settled = shared.settledLanguage.load(std::memory_order_relaxed); settled >= 0)
            out.settledLanguage = Language(settled);
        const Judged *best = shared.best();
        if (!best)
            return;
        out.square = best->candidate.square;
        std::vector<Letter> plain(ciphertext.size());
        decryptLetters(out.square, ciphertext.data(), ciphertext.size(), plain.data());
        out.padding = paddingByReading(ciphertext.data(), plain.data(), plain.size(), options.paddingAllowed,
                                       best->verdict.language)
                          .letters;
        plain.resize(plain.size() - out.padding);
        if (options.squares != SquareKind::Random) {
            std::uint32_t used = 0;
            for (std::size_t i = 0; i < plain.size(); ++i)
                used |= (1u << plain[i]) | (1u << ciphertext[i]);
            std::optional<KeyName> name = final ? work.nameKey(out.square, used) : work.keyOf(best->candidate);
            // A phrase of a rarer second word is in no list the namer reads:
            // the search's own name for it is kept; so are the letters of a
            // key the search over keys' letters built, however many.
            if (final && (!name || !name->inList)) {
                if (std::optional<KeyName> own = work.keyOf(best->candidate);
                    own && !own->text.empty() && (own->inList || !name))
                    name = own;
            }
            if (name) {
                out.keyWord = name->text;
                out.keyWordInList = name->inList;
                out.keyRoute = name->route;
                out.square = name->square;
            }
        }
        out.squareText = squareToText(out.square);
        out.plaintext = lettersToText(plain.data(), plain.size());
        out.language = best->verdict.language;
        out.languageFound = !options.language;
        out.score = Chooser::model(out.language).meanLog10(plain.data(), plain.size());
        if (out.languageFound) {
            const Language other = out.language == Language::English ? Language::Bulgarian : Language::English;
            out.otherLanguageScore = Chooser::model(other).meanLog10(plain.data(), plain.size());
        }
        if (final || plain.size() <= searchedLetters)
            out.words = WordStatistics::of(out.language).divide(plain.data(), plain.size()).text();
    };

    std::unique_lock lock(shared.mutex, std::defer_lock);
    const SearchEnd end = runSearchThreads<SolverReport>(
        threads, [&work, &options](int t) { work.run(threadSeed(options.seed, t)); }, SearchSync{shared.changed, shared.halt},
        lock, options, start, stop, confidence, [&](SolverReport &progress) { report(progress, false); });
    result.stopped = end.stopped;
    result.confidence = end.confidence;
    result.settled = end.confidence == Confidence::Settled;
    report(result, true);
    result.shortText = ciphertext.size() - result.padding < shortCiphertext;
    result.candidates = int(shared.judged.size());
    result.searchRank = shared.searchRankOfBest();
    if (const Judged *best = shared.best())
        result.chosenTotal = best->verdict.total;
    if (result.found) {
        std::vector<Letter> plain(result.plaintext.size());
        for (std::size_t i = 0; i < plain.size(); ++i)
            plain[i] = Letter(letterNumber(result.plaintext[i]));
        result.garbling = findGarbledPairs(plain, result.language);
    }
    return result;
}

} // namespace playfair::analysis
