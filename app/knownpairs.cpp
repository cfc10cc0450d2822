#include "app/knownpairs.h"

#include "app/breakalphabet.h"

#include <algorithm>
#include <sstream>

using namespace playfair::analysis;

namespace playfair::breakcommand {

namespace {

// At most this many facts are listed beside the square.
constexpr std::size_t mostFactsShown = 40;
// At most this many spellings of the key the square determines are named.
constexpr std::size_t mostSpellingsShown = 3;

// The rules still possible, by name ("same row", or "same-row" for JSON).
std::vector<std::string> ruleNames(const PossibleRules &rules, char space)
{
    std::vector<std::string> names;
    for (const auto &[possible, name] : {std::pair{rules.rectangle, "rectangle"}, std::pair{rules.sameRow, "same row"},
                                         std::pair{rules.sameColumn, "same column"}}) {
        if (possible)
            names.push_back(name);
    }
    for (std::string &name : names)
        std::replace(name.begin(), name.end(), ' ', space);
    return names;
}

std::string rulesText(const PossibleRules &rules)
{
    const std::vector<std::string> names = ruleNames(rules, ' ');
    if (names.size() == 1)
        return names[0];
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    return text;
}

std::string numbersText(const std::vector<std::size_t> &numbers)
{
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        text += (i == 0 ? "" : i + 1 == numbers.size() ? " and " : ", ") + std::to_string(numbers[i] + 1);
    return text;
}

// Every letter the report prints passes through here: the deduction writes
// letter numbers as the classic square's letters, and the square's own
// alphabet names them (in latin-q, K reads J).
std::string shown(const DeductionAlphabet &alphabet, std::string_view numbered)
{
    return alphabet.spelt(numbered);
}

std::string letter(const DeductionAlphabet &alphabet, Letter number)
{
    return shown(alphabet, std::string(1, letterName(number)));
}

std::string pairText(const DeductionAlphabet &alphabet, const KnownPair &pair)
{
    return shown(alphabet, knownPairText(pair));
}

std::string stepsText(int steps, const char *one, const char *many)
{
    return std::to_string(steps) + " " + (steps == 1 ? one : many);
}

// A fact as a sentence, or nothing for one the square printed shows.
std::string factText(const DeductionAlphabet &alphabet, const DeductionInput &input, const Fact &fact)
{
    if (const auto *distance = std::get_if<LetterDistance>(&fact)) {
        const std::string a = letter(alphabet, distance->first);
        const std::string b = letter(alphabet, distance->second);
        switch (distance->direction) {
        case Direction::Down:
            return distance->steps == 0 ? a + " and " + b + " stand in one row."
                                        : b + " stands " + stepsText(distance->steps, "row", "rows") + " below " + a
                    + " (round the square).";
        case Direction::Right:
            return distance->steps == 0 ? a + " and " + b + " stand in one column."
                                        : b + " stands " + stepsText(distance->steps, "column", "columns")
                    + " right of " + a + " (round the square).";
        case Direction::AlongLine:
            return a + " and " + b + " stand in one row or one column, " + b + " "
                + stepsText(distance->steps, "step", "steps") + " after " + a + ".";
        }
    }
    if (const auto *filled = std::get_if<FilledIn>(&fact)) {
        KnownPair pair = input.pairs[filled->pair];
        (filled->position < 2 ? pair.plain[std::size_t(filled->position)] : pair.cipher[std::size_t(filled->position - 2)]) =
            filled->letter;
        return "In pair " + std::to_string(filled->pair + 1) + " the ? is " + letter(alphabet, filled->letter) + ": "
            + pairText(alphabet, pair) + ".";
    }
    return {};
}

// The letters that the first piece of the square shows, as bits.
std::uint32_t shownLetters(const DeductionResult &result)
{
    std::uint32_t shown = 0;
    for (const Fragment &piece : result.fragments) {
        if (&piece != &result.fragments.front() && !piece.placed)
            break;
        for (const auto &[number, at] : piece.letters)
            shown |= 1u << number;
    }
    return shown;
}

void printSquare(std::ostream &out, const DeductionAlphabet &alphabet, const std::string &square)
{
    const std::string letters = shown(alphabet, square);
    for (int row = 0; row < 5; ++row) {
        out << "   ";
        for (int column = 0; column < 5; ++column)
            out << ' ' << letters[std::size_t(5 * row + column)];
        out << '\n';
    }
}

// The cyclic shift of a partial square that agrees with a key's square,
// if one does, so that the two read alike.
std::string alignedWith(const std::string &partial, const Square &square)
{
    const std::string whole = squareToText(square);
    for (int shift = 0; shift < 25; ++shift) {
        std::string shifted(25, '.');
        for (int cell = 0; cell < 25; ++cell)
            shifted[std::size_t((cell / 5 + shift / 5) % 5 * 5 + (cell % 5 + shift % 5) % 5)] = partial[std::size_t(cell)];
        bool agrees = true;
        for (int cell = 0; cell < 25 && agrees; ++cell)
            agrees = shifted[std::size_t(cell)] == '.' || shifted[std::size_t(cell)] == whole[std::size_t(cell)];
        if (agrees)
            return shifted;
    }
    return partial;
}

// A key word as its list spells it; a key's letters in the alphabet's.
std::string keyName(const DeductionAlphabet &alphabet, const FittingKey &key)
{
    return key.source == FittingKey::Source::Letters ? shown(alphabet, key.key) : key.key;
}

std::string keyText(const DeductionAlphabet &alphabet, const FittingKey &key)
{
    return key.source == FittingKey::Source::Letters ? keyName(alphabet, key) + " (letters of a key in no list)"
                                                     : keyName(alphabet, key);
}

// The key the square determines, and the lists' words that spell it.
std::string readOffText(const DeductionAlphabet &alphabet, const KeyReadOff &read)
{
    std::string text = "The square determines its key: " + shown(alphabet, read.letters);
    if (read.words.empty())
        return text + " (no word of the lists spells it).";
    text += ", spelt ";
    for (std::size_t i = 0; i < read.words.size() && i < mostSpellingsShown; ++i)
        text += (i == 0 ? "" : ", or ") + read.words[i];
    return text + ".";
}

void printJson(const DeductionAlphabet &alphabet, const std::string &alphabetReason, const DeductionInput &input,
               const DeductionResult &result, const std::vector<FittingKey> &keys, const std::optional<KeyReadOff> &read,
               std::ostream &out)
{
    out << "{\"consistent\": "
        << (result.consistency == Consistency::Consistent  ? "true"
                : result.consistency == Consistency::Contradictory ? "false"
                                                                   : "null");
    out << ", \"contradiction\": ";
    if (result.contradiction) {
        out << '[';
        for (std::size_t i = 0; i < result.contradiction->pairs.size(); ++i)
            out << (i ? ", " : "") << result.contradiction->pairs[i] + 1;
        out << ']';
    } else {
        out << "null";
    }
    out << ", \"square\": " << jsonString(shown(alphabet, partialSquare(result))) << ", \"keywords\": [";
    for (std::size_t i = 0; i < keys.size(); ++i)
        out << (i ? ", " : "") << jsonString(keyName(alphabet, keys[i]));
    out << "], \"square_key\": ";
    if (read) {
        out << "{\"letters\": " << jsonString(shown(alphabet, read->letters))
            << ", \"square\": " << jsonString(shown(alphabet, squareToText(read->square)))
            << ", \"words\": [";
        for (std::size_t i = 0; i < read->words.size(); ++i)
            out << (i ? ", " : "") << jsonString(read->words[i]);
        out << "]}";
    } else {
        out << "null";
    }
    out << ", \"arrangements\": " << result.arrangements
        << ", \"arrangements_exact\": " << (result.arrangementsExact ? "true" : "false") << ", \"pairs\": [";
    for (std::size_t i = 0; i < input.pairs.size(); ++i) {
        out << (i ? ", " : "") << "{\"pair\": " << jsonString(pairText(alphabet, input.pairs[i])) << ", \"rules\": [";
        if (i < result.rules.size()) {
            const std::vector<std::string> names = ruleNames(result.rules[i], '-');
            for (std::size_t n = 0; n < names.size(); ++n)
                out << (n ? ", " : "") << jsonString(names[n]);
        }
        out << "]}";
    }
    out << "]" << alphabetJson(alphabet.kind(), alphabetReason) << "}\n";
}

} // namespace

std::string withThousands(std::uint64_t number)
{
    const std::string digits = std::to_string(number);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

std::string knownPairMessage(const KnownPairError &error, AlphabetKind alphabet)
{
    const std::string pair = "--known '" + error.text + "': ";
    const std::string doubled = std::string(2, error.letter);
    switch (error.kind) {
    case KnownPairError::Kind::NotAPair:
        break;
    case KnownPairError::Kind::DoubledPlain:
        return pair + "the plain pair " + doubled + " holds two equal letters, which no Playfair message has.";
    case KnownPairError::Kind::DoubledCipher:
        return pair + "the cipher pair " + doubled + " holds two equal letters, which no Playfair square gives.";
    case KnownPairError::Kind::OwnCipherLetter:
        return pair + std::string(1, error.letter) + " would be its own cipher letter, which Playfair never gives.";
    case KnownPairError::Kind::NotInAlphabet:
        return pair + "the square's alphabet, " + alphabetDescription(alphabet) + ", has no " + std::string(1, error.letter)
            + ".";
    }
    return pair + "not a known pair: give two plain letters, '=' and their two cipher letters, as in th=PI "
                  "(? for a letter not known).";
}

std::string contradictionText(const DeductionInput &input, const Premises &premises, const DeductionAlphabet &alphabet)
{
    std::string pairs;
    for (std::size_t i = 0; i < premises.pairs.size(); ++i)
        pairs += (i ? ", " : "") + pairText(alphabet, input.pairs[premises.pairs[i]]);
    return numbersText(premises.pairs) + " (" + pairs + ")";
}

int reportDeduction(const DeductionInput &input, const FittingKeyOptions &keyOptions, bool json, std::size_t fromPlaintext,
                    const std::string &alphabetReason, std::ostream &out)
{
    const DeductionAlphabet &alphabet = *DeductionAlphabet::of(keyOptions.alphabet);
    const DeductionResult result = deduce(input);
    std::vector<FittingKey> keys;
    std::optional<KeyReadOff> read;
    if (result.consistency == Consistency::Consistent) {
        keys = fittingKeys(input, keyOptions);
        FittingKeyOptions spellings = keyOptions;
        spellings.most = json ? keyOptions.most : mostSpellingsShown;
        read = keyReadOff(input, result, spellings);
    }
    if (json) {
        printJson(alphabet, alphabetReason, input, result, keys, read, out);
        return result.consistency == Consistency::Consistent ? 0 : 1;
    }

    std::ostringstream text;
    text << "Alphabet: " << alphabetDescription(alphabet.kind());
    if (!alphabetReason.empty())
        text << ", taken because " << alphabetReason;
    text << "\n\n";
    if (fromPlaintext > 0)
        text << "The known plaintext gives " << fromPlaintext << " different pairs.\n";
    if (input.pairs.size() > fromPlaintext) {
        text << (fromPlaintext > 0 ? "More known pairs:\n" : "Known pairs:\n");
        for (std::size_t i = fromPlaintext; i < input.pairs.size(); ++i) {
            text << "  " << (i + 1 < 10 ? " " : "") << i + 1 << ". " << pairText(alphabet, input.pairs[i]);
            if (result.consistency == Consistency::Consistent)
                text << "   " << rulesText(result.rules[i]);
            text << '\n';
        }
    }
    text << '\n';
    switch (result.consistency) {
    case Consistency::Contradictory: {
        const Premises &premises = *result.contradiction;
        text << "Contradiction: " << (premises.pairs.size() == 1 ? "pair " : "pairs ") << contradictionText(input, premises, alphabet)
             << (premises.pairs.size() == 1 ? " cannot hold in any square" : " cannot all hold in one square")
             << (premises.pairs.size() > 1 && fromPlaintext > 0 ? " (pairs are counted from the plaintext's first)" : "")
             << ".\n";
        out << text.str();
        return 1;
    }
    case Consistency::Undecided:
        text << "Undecided: the search ran out of time before it knew whether the pairs can hold together.\n";
        out << text.str();
        return 1;
    case Consistency::Consistent:
        break;
    }
    text << "Consistent: " << (result.arrangementsExact ? "" : "more than ") << withThousands(result.arrangements)
         << (result.arrangements == 1 ? " arrangement" : " arrangements")
         << " of their letters in the square, up to the cyclic shifts (letters in no pair may stand in any cell left).\n\n";
    text << "Square, as far as it follows (. where unknown; any cyclic shift of it encrypts alike):\n";
    printSquare(text, alphabet,
                keys.empty() ? partialSquare(result) : alignedWith(partialSquare(result), keys.front().square));
    const std::uint32_t shown = shownLetters(result);
    std::vector<std::string> facts;
    for (const Fact &fact : result.facts) {
        if (const auto *distance = std::get_if<LetterDistance>(&fact)) {
            if ((shown >> distance->first & 1) && (shown >> distance->second & 1))
                continue;
        }
        if (std::string sentence = factText(alphabet, input, fact); !sentence.empty())
            facts.push_back(std::move(sentence));
    }
    if (!facts.empty()) {
        text << "\nAlso follows:\n";
        for (std::size_t i = 0; i < facts.size() && i < mostFactsShown; ++i)
            text << "  " << facts[i] << '\n';
        if (facts.size() > mostFactsShown)
            text << "  ... and " << facts.size() - mostFactsShown << " more.\n";
    }
    if (read)
        text << '\n' << readOffText(alphabet, *read) << '\n';
    if (fromPlaintext > 0) {
        if (keys.empty()) {
            text << "\nKey word: none found (no word or phrase of the lists, and no short key, builds such a square)\n";
        } else {
            text << "\nKey word: " << keyText(alphabet, keys.front()) << "\n\nIts square:\n";
            printSquare(text, alphabet, squareToText(keys.front().square));
        }
    } else if (keys.empty()) {
        text << "\nKey words that fit: none (no word or phrase of the lists, and no short key found).\n";
    } else {
        text << "\nKey words that fit, best first:\n";
        for (std::size_t i = 0; i < keys.size(); ++i)
            text << "  " << (i + 1 < 10 ? " " : "") << i + 1 << ". " << keyText(alphabet, keys[i]) << '\n';
    }
    out << text.str();
    return 0;
}

} // namespace playfair::breakcommand
