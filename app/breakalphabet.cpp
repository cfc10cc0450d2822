#include "app/breakalphabet.h"

#include "app/breakoutput.h"
#include "app/jsontext.h"
#include "app/knownpairs.h"

#include "analysis/ciphertext.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <sstream>

namespace playfair::breakcommand {

using namespace analysis;

std::string alphabetDescription(AlphabetKind kind)
{
    switch (kind) {
    case AlphabetKind::LatinIJ:
        return "latin-ij (5 x 5: A to Z, J as I)";
    case AlphabetKind::LatinQ:
        return "latin-q (5 x 5: A to Z without Q)";
    case AlphabetKind::LatinDigits:
        return "latin-digits (6 x 6: A to Z and 0 to 9)";
    case AlphabetKind::Cyrillic:
        return "cyrillic (5 x 6: the 30 Bulgarian letters \xD0\x90 to \xD0\xAF)";
    }
    return {};
}

std::string alphabetJson(AlphabetKind kind, const std::string &reason)
{
    const SolverLetters &letters = SolverLetters::of(kind);
    std::string json = ", \"alphabet\": " + jsonString(std::string(alphabetCode(kind)))
        + ", \"rows\": " + std::to_string(letters.rows) + ", \"columns\": " + std::to_string(letters.columns);
    if (!reason.empty())
        json += ", \"alphabet_reason\": " + jsonString(reason);
    return json;
}

std::optional<std::string> readShapedCiphertext(const std::string &text, AlphabetKind kind,
                                                std::vector<std::uint8_t> &letters, std::string &setAside,
                                                std::size_t &paddingAllowed)
{
    const SolverLetters &alphabet = SolverLetters::of(kind);
    letters = alphabet.numbersOf(text);
    if (letters.empty())
        return "The text has no letter of the " + std::string(alphabetCode(kind)) + " alphabet.";
    // Padding after the last pair, as on the classic square.
    const EndPadding padding = paddingAtTheEnd(letters);
    setAside = alphabet.text(letters.data() + letters.size() - padding.setAside, padding.setAside);
    letters.resize(letters.size() - padding.setAside);
    paddingAllowed = padding.allowed;
    if (letters.size() == 1)
        return "The text has a single letter: a Playfair ciphertext has pairs.";
    if (letters.size() % 2 == 1)
        return "The text has " + std::to_string(letters.size())
            + " letters, an odd number: the last letter has no pair, so this is no Playfair ciphertext.";
    for (std::size_t i = 0; i + 1 < letters.size(); i += 2) {
        if (letters[i] == letters[i + 1])
            return "The pair at letter " + std::to_string(i + 1) + " is " + alphabet.name(letters[i])
                + alphabet.name(letters[i]) + ": no Playfair square gives a pair of two equal letters.";
    }
    return std::nullopt;
}

int reportShaped(const ShapedResult &result, const std::vector<std::uint8_t> &ciphertext, const std::string &reason,
                 const std::string &setAsideFirst, std::uint64_t seed, bool json, bool interrupted, std::ostream &out)
{
    const int status = interrupted ? 130 : result.found ? 0 : 1;
    if (!result.found)
        return status;
    // The letters the search read as padding come before those set aside first.
    const std::size_t padding = std::min(result.padding, ciphertext.size());
    const std::string setAside = SolverLetters::of(result.alphabet).text(ciphertext.data() + ciphertext.size() - padding, padding)
        + setAsideFirst;
    const std::string language = result.alphabet == AlphabetKind::Cyrillic ? "bg" : "en";
    const std::string stopped(stopReasonCode(result.stopped));
    if (json) {
        out << "{\"square\": " << jsonString(result.squareText) << ", \"plaintext\": " << jsonString(result.plaintext)
            << ", \"keyword\": " << (result.keyWord ? jsonString(*result.keyWord) : std::string("null"))
            << ", \"score\": " << result.score << ", \"elapsed\": " << result.elapsedSeconds
            << ", \"keys_tested\": " << result.keysTested << ", \"stopped\": " << jsonString(stopped)
            << ", \"language\": " << jsonString(language) << alphabetJson(result.alphabet, reason)
            << ", \"set_aside\": " << jsonString(setAside) << breakcommand::garblingJson(result.garbling) << "}\n";
        return status;
    }
    const SolverLetters &letters = SolverLetters::of(result.alphabet);
    std::ostringstream text;
    text << "Alphabet: " << alphabetDescription(result.alphabet);
    if (!reason.empty())
        text << ", taken because " << reason;
    text << "\n\nSquare:\n";
    for (int row = 0; row < result.rows; ++row) {
        text << "   ";
        for (int column = 0; column < result.columns; ++column)
            text << ' ' << letters.name(result.square[std::size_t(row * result.columns + column)]);
        text << '\n';
    }
    text << "\nKey word: " << (result.keyWord ? *result.keyWord : std::string("none (the square comes from no key word of the lists)"))
         << "\n\nPlaintext:\n";
    text << pairsWithMarks(result.plaintext, result.garbling) << '\n';
    char score[200];
    std::snprintf(score, sizeof score,
                  "%.2f (the mean log10 probability of a group of four letters: %.2f for ordinary %s, %.2f for random "
                  "letters)",
                  result.score, result.typical, language == "bg" ? "Bulgarian" : "English", result.random);
    text << "\nScore:   " << score << '\n';
    char time[64];
    std::snprintf(time, sizeof time, "%.2f s", result.elapsedSeconds);
    text << "Time:    " << time << ", " << withThousands(result.keysTested) << " keys tested";
    if (result.keyWordsTested > 0)
        text << " (" << withThousands(result.keyWordsTested) << " of them key words)";
    text << '\n';
    text << "Stopped: ";
    switch (result.stopped) {
    case StopReason::Confident:
        text << (result.confidence == Confidence::KeyWord
                     ? "confident (a key word's square: its plaintext reads like the language, far likelier than any "
                       "other key word's)"
                 : result.confidence == Confidence::Settled
                     ? "confident (the plaintext reads like the language, and no search from its square found a better one)"
                     : "confident (independent searches reached the same plaintext, and it reads like the language)");
        break;
    case StopReason::TimeLimit:
        text << "at the time limit: the best square found, which may not be the key";
        break;
    case StopReason::Cancelled:
        text << "interrupted: the best square found so far";
        break;
    }
    text << "\nSeed:    " << seed << " (--seed " << seed << " repeats the run on one thread)\n";
    if (!setAside.empty())
        text << "\nNote: " << setAsideNote(setAside, padding > 0) << '\n';
    if (const std::string notes = garblingNotes(result.garbling); !notes.empty())
        text << (setAside.empty() ? "\n" : "") << notes;
    out << text.str();
    return status;
}

} // namespace playfair::breakcommand
