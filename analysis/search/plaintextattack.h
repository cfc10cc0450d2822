#pragma once

#include "analysis/alphabet.h"
#include "analysis/language.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace playfair::analysis {

// The plaintext-dictionary attack on the shortest texts, where a search over
// squares has too few letters to climb: candidate plaintexts are built word
// by word from the commonest words of a language, each prefix checked at once
// against what the ciphertext allows, best first by the order-5 letter model,
// and a complete one that some square turns into the ciphertext gives that
// square.
//
// A prefix is refused when a letter would be its own cipher letter, a plain
// pair would hold one letter twice (the preparation puts an X, or a Q after
// an X, between them instead), one plain pair would give two cipher pairs or
// two plain pairs one cipher pair (a pair reversed gives its cipher pair
// reversed), or, by the deduction engine, no square holds all its pairs.
//
// The search is a beam: the prefixes that end at each letter position are
// ranked by the model and the best `width` of them taken further, position by
// position; each round widens the beam, alternating the languages when the
// language is not given. It runs a bounded step at a time, so that one thread
// can share its time with other searches and a stop takes effect at once.
class PlaintextAttack
{
public:
    // The texts it runs on: longer ones are the annealing's.
    static constexpr std::size_t mostLetters = 50;
    static bool worthRunning(std::size_t letters) { return letters >= 8 && letters <= mostLetters; }

    // Why a prefix is refused.
    enum class Refusal {
        None,
        OwnLetter,        // a plain letter equals the cipher letter under it
        DoubledPair,      // a plain pair holds one letter twice
        TwoCipherPairs,   // a plain pair (or its reverse) stands over two different cipher pairs
        TwoPlainPairs,    // a cipher pair (or its reverse) stands under two different plain pairs
        NoSquare,         // the pairs contradict one another: no square holds them all
    };

    // A word the attack may use, in letter numbers. The beam ranks the
    // plaintexts by the letter model alone, which knows the words' shares.
    struct Word
    {
        std::vector<Letter> letters;
    };

    // The commonest `count` words of a language's books.
    static std::vector<Word> commonWords(Language language, std::size_t count);

    // `ciphertext`: letter numbers, an even count. `language`: nothing to
    // try both in turn. `words`: per language, nothing for commonWords.
    PlaintextAttack(const std::vector<Letter> &ciphertext, std::optional<Language> language,
                    std::optional<std::vector<Word>> words = std::nullopt);
    ~PlaintextAttack();
    PlaintextAttack(const PlaintextAttack &) = delete;
    PlaintextAttack &operator=(const PlaintextAttack &) = delete;

    // A complete plaintext's square: the callback receives it, the
    // plaintext, its log10 probability by the model and its language.
    using Found = std::function<void(const Square &, const std::vector<Letter> &, double, Language)>;

    // Does a bounded share of the work (one position of the beam, or part of
    // it: a few milliseconds to a few hundred), checking `halt` every few
    // thousand letters. Returns false once the widest beam has been run
    // (nothing more to do) or `halt` is set.
    bool step(const std::atomic<bool> &halt, const Found &found);

    // Runs steps until there is nothing more to do or `halt` is set.
    void run(const std::atomic<bool> &halt, const Found &found);

    // The prefixes built so far (each word tried on a prefix counts once).
    std::uint64_t prefixesTried() const { return m_tried; }
    // The beam's width in the round running, and the round (from 0).
    std::size_t width() const;
    int round() const;

    // The whole check of a prefix (letter numbers, as prepared) against a
    // ciphertext: what the attack refuses it for, the first reason found.
    static Refusal check(const std::vector<Letter> &ciphertext, const std::vector<Letter> &prefix);

    // The widths of the beam, first and last.
    static constexpr std::size_t firstWidth = 64;
    static constexpr std::size_t lastWidth = 16384;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    std::uint64_t m_tried = 0;
};

} // namespace playfair::analysis
