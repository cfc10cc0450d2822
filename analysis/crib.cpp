#include "analysis/crib.h"

#include <algorithm>
#include <map>
#include <utility>

namespace playfair::analysis {

namespace {

using Pair = std::pair<Letter, Letter>;

// Whether the word can stand at `place` of the ciphertext.
bool canStandAt(const std::vector<Letter> &word, std::size_t place, const std::vector<Letter> &ciphertext)
{
    // A letter never encrypts to itself, but in a doubled pair of a message
    // that kept its doubled letters, which stands for itself.
    for (std::size_t i = 0; i < word.size(); ++i) {
        const std::size_t at = place + i;
        const std::size_t pair = at - at % 2;
        const bool doubled = pair + 1 < ciphertext.size() && ciphertext[pair] == ciphertext[pair + 1];
        if ((word[i] == ciphertext[at]) != doubled)
            return false;
    }
    // The whole pairs the word covers: plain pair -> cipher pair must be one
    // to one, and a reversed pair must give the reversed cipher pair.
    std::map<Pair, Pair> forward;
    std::map<Pair, Pair> backward;
    const auto agree = [](std::map<Pair, Pair> &map, Pair from, Pair to) {
        const auto [it, added] = map.emplace(from, to);
        return added || it->second == to;
    };
    for (std::size_t start = place + place % 2; start + 1 < place + word.size(); start += 2) {
        const Pair plain{word[start - place], word[start - place + 1]};
        const Pair cipher{ciphertext[start], ciphertext[start + 1]};
        // A doubled pair stands for itself (the letters above matched it),
        // and nothing else gives one.
        if (cipher.first == cipher.second)
            continue;
        if (plain.first == plain.second)
            return false;
        const Pair reversedPlain{plain.second, plain.first};
        const Pair reversedCipher{cipher.second, cipher.first};
        if (!agree(forward, plain, cipher) || !agree(backward, cipher, plain)
            || !agree(forward, reversedPlain, reversedCipher) || !agree(backward, reversedCipher, reversedPlain))
            return false;
    }
    return true;
}

} // namespace

std::string CribError::message() const
{
    const std::string at = std::to_string(position);
    switch (kind) {
    case Kind::NoLetters:
        return "The crib has no letters.";
    case Kind::TooLong:
        return "The crib is longer than the text.";
    case Kind::BadPosition:
        return "Position " + at + " is outside the text.";
    case Kind::CannotStandAt:
        return "The crib cannot stand at letter " + at
            + ": there it contradicts the ciphertext (Playfair never turns a letter into itself).";
    case Kind::CannotStandAnywhere:
        return "The crib cannot stand anywhere in the text: everywhere it contradicts the ciphertext.";
    }
    return {};
}

std::variant<Crib, CribError> Crib::make(std::string_view word, std::optional<std::size_t> position,
                                         const std::vector<Letter> &ciphertext)
{
    std::vector<Letter> letters;
    for (char c : word) {
        const int number = letterNumber(c);
        if (number >= 0)
            letters.push_back(Letter(number));
    }
    return make(letters, position, ciphertext);
}

std::variant<Crib, CribError> Crib::make(const std::vector<Letter> &word, std::optional<std::size_t> position,
                                         const std::vector<Letter> &ciphertext)
{
    Crib crib;
    crib.m_letters = word;
    CribError error;
    if (crib.m_letters.empty())
        return error;
    const std::size_t length = crib.m_letters.size();
    if (position) {
        error.position = *position + 1;
        if (*position >= ciphertext.size()) {
            error.kind = CribError::Kind::BadPosition;
            return error;
        }
        if (*position + length > ciphertext.size()) {
            error.kind = CribError::Kind::TooLong;
            return error;
        }
        if (!canStandAt(crib.m_letters, *position, ciphertext)) {
            error.kind = CribError::Kind::CannotStandAt;
            return error;
        }
        crib.m_places.push_back(*position);
        return crib;
    }
    if (length > ciphertext.size()) {
        error.kind = CribError::Kind::TooLong;
        return error;
    }
    for (std::size_t place = 0; place + length <= ciphertext.size(); ++place) {
        if (canStandAt(crib.m_letters, place, ciphertext))
            crib.m_places.push_back(place);
    }
    if (crib.m_places.empty()) {
        error.kind = CribError::Kind::CannotStandAnywhere;
        return error;
    }
    return crib;
}

void Crib::bindPairs(const std::vector<KnownPair> &pairs, const std::vector<Letter> &ciphertext)
{
    for (const KnownPair &pair : pairs) {
        if (pair.cipher[0] == unknownLetter || pair.cipher[1] == unknownLetter)
            continue;
        for (std::size_t i = 0; i + 1 < ciphertext.size(); i += 2) {
            for (int reversed = 0; reversed < 2; ++reversed) {
                if (ciphertext[i] != pair.cipher[std::size_t(reversed)] || ciphertext[i + 1] != pair.cipher[std::size_t(1 - reversed)])
                    continue;
                for (std::size_t k = 0; k < 2; ++k) {
                    const int plain = pair.plain[reversed ? 1 - k : k];
                    if (plain != unknownLetter)
                        m_bound.push_back({i + k, Letter(plain)});
                }
            }
        }
    }
}

std::size_t Crib::firstPlaceEnd(const KnownPair &pair, const std::vector<Letter> &ciphertext)
{
    for (std::size_t i = 0; i + 1 < ciphertext.size(); i += 2) {
        const bool forward = ciphertext[i] == pair.cipher[0] && ciphertext[i + 1] == pair.cipher[1];
        const bool backward = ciphertext[i] == pair.cipher[1] && ciphertext[i + 1] == pair.cipher[0];
        if (forward || backward)
            return i + 2;
    }
    return 0;
}

std::size_t Crib::reach() const
{
    std::size_t end = m_places.empty() ? 0 : m_places.back() + m_letters.size();
    for (const auto &[position, letter] : m_bound)
        end = std::max(end, position + 1);
    return end;
}

int Crib::mismatches(const Letter *plaintext) const
{
    int bound = 0;
    for (const auto &[position, letter] : m_bound)
        bound += plaintext[position] != letter;
    if (m_letters.empty())
        return bound;
    int fewest = int(m_letters.size());
    for (std::size_t place : m_places) {
        int wrong = 0;
        for (std::size_t i = 0; i < m_letters.size(); ++i)
            wrong += plaintext[place + i] != m_letters[i];
        if (wrong < fewest)
            fewest = wrong;
    }
    return fewest + bound;
}

} // namespace playfair::analysis
