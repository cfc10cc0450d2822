#include "analysis/knownpair.h"

#include "analysis/shaped/solveralphabet.h"
#include "analysis/statistics/corpus.h"

#include "engine/textbook.h"

#include <algorithm>

namespace playfair::analysis {

bool KnownPair::complete() const
{
    return plain[0] != unknownLetter && plain[1] != unknownLetter && cipher[0] != unknownLetter
        && cipher[1] != unknownLetter;
}

std::variant<KnownPair, KnownPairError> parseKnownPair(std::string_view text, const DeductionAlphabet &alphabet)
{
    KnownPairError error{KnownPairError::Kind::NotAPair, std::string(text)};
    std::vector<int> letters;
    bool equalsSeen = false;
    std::size_t beforeEquals = 0;
    for (char c : text) {
        if (c == ' ' || c == '\t')
            continue;
        if (c == '=') {
            if (equalsSeen)
                return error;
            equalsSeen = true;
            beforeEquals = letters.size();
            continue;
        }
        const int number = c == '?' ? unknownLetter : alphabet.number(c);
        if (number < 0 && c != '?') {
            if (letterNumber(c) >= 0) {
                error.kind = KnownPairError::Kind::NotInAlphabet;
                error.letter = char(c & ~0x20);
            }
            return error;
        }
        letters.push_back(number);
    }
    if (!equalsSeen || beforeEquals != 2 || letters.size() != 4)
        return error;
    KnownPair pair;
    pair.plain = {letters[0], letters[1]};
    pair.cipher = {letters[2], letters[3]};
    const auto known = [](int letter) { return letter != unknownLetter; };
    if (known(pair.plain[0]) && pair.plain[0] == pair.plain[1]) {
        error.kind = KnownPairError::Kind::DoubledPlain;
        error.letter = alphabet.letter(pair.plain[0]);
        return error;
    }
    if (known(pair.cipher[0]) && pair.cipher[0] == pair.cipher[1]) {
        error.kind = KnownPairError::Kind::DoubledCipher;
        error.letter = alphabet.letter(pair.cipher[0]);
        return error;
    }
    for (std::size_t i = 0; i < 2; ++i) {
        if (known(pair.plain[i]) && pair.plain[i] == pair.cipher[i]) {
            error.kind = KnownPairError::Kind::OwnCipherLetter;
            error.letter = alphabet.letter(pair.plain[i]);
            return error;
        }
    }
    return pair;
}

std::string knownPairText(const KnownPair &pair)
{
    std::string text;
    for (int position = 0; position < 4; ++position) {
        if (position == 2)
            text += '=';
        const int letter = pair.letter(position);
        text += letter == unknownLetter ? '?' : letterName(letter);
    }
    return text;
}

std::vector<KnownPair> pairsOfPlaintext(const std::vector<Letter> &plain, const std::vector<Letter> &cipher)
{
    std::vector<KnownPair> pairs;
    for (std::size_t i = 0; i + 1 < std::min(plain.size(), cipher.size()); i += 2) {
        KnownPair pair;
        pair.plain = {plain[i], plain[i + 1]};
        pair.cipher = {cipher[i], cipher[i + 1]};
        if (std::find(pairs.begin(), pairs.end(), pair) == pairs.end())
            pairs.push_back(pair);
    }
    return pairs;
}

std::vector<Letter> preparedPlaintext(std::string_view text, bool bulgarian)
{
    std::vector<Letter> letters;
    for (char c : preparedMessage(cleanedCorpusText(text, bulgarian)))
        letters.push_back(Letter(letterNumber(c)));
    return letters;
}

std::vector<Letter> preparedPlaintext(std::string_view text, const DeductionAlphabet &alphabet)
{
    const std::vector<std::uint8_t> prepared = preparedLetters(SolverLetters::of(alphabet.kind()), text);
    return std::vector<Letter>(prepared.begin(), prepared.end());
}

} // namespace playfair::analysis
