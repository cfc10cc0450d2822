#include "analysis/shaped/solveralphabet.h"

#include "analysis/statistics/utf8.h"

namespace playfair::analysis {

namespace {

// The Bulgarian alphabet: the Russian block А..Я without Ы and Э.
std::u32string cyrillicLetters()
{
    std::u32string letters;
    for (char32_t c = U'А'; c <= U'Я'; ++c) {
        if (c != U'Ы' && c != U'Э')
            letters += c;
    }
    return letters;
}

SolverLetters make(AlphabetKind kind)
{
    SolverLetters letters;
    letters.kind = kind;
    switch (kind) {
    case AlphabetKind::LatinIJ:
        letters.letters = U"ABCDEFGHIKLMNOPQRSTUVWXYZ";
        break;
    case AlphabetKind::LatinQ:
        letters.letters = U"ABCDEFGHIJKLMNOPRSTUVWXYZ";
        break;
    case AlphabetKind::LatinDigits:
        letters.rows = 6;
        letters.columns = 6;
        letters.letters = U"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        break;
    case AlphabetKind::Cyrillic:
        letters.rows = 5;
        letters.columns = 6;
        letters.letters = cyrillicLetters();
        break;
    }
    return letters;
}

} // namespace

std::string_view alphabetCode(AlphabetKind kind)
{
    switch (kind) {
    case AlphabetKind::LatinIJ:
        return "latin-ij";
    case AlphabetKind::LatinQ:
        return "latin-q";
    case AlphabetKind::LatinDigits:
        return "latin-digits";
    case AlphabetKind::Cyrillic:
        return "cyrillic";
    }
    return {};
}

std::optional<AlphabetKind> alphabetFromCode(std::string_view code)
{
    for (AlphabetKind kind : alphabetKinds) {
        if (alphabetCode(kind) == code)
            return kind;
    }
    return std::nullopt;
}

int SolverLetters::number(char32_t c) const
{
    if (c >= U'a' && c <= U'z')
        c = c - U'a' + U'A';
    else if (c >= U'а' && c <= U'я')
        c = c - U'а' + U'А';
    else if (c == U'ѝ' || c == U'Ѝ')
        c = U'И';
    if (kind == AlphabetKind::LatinIJ && c == U'J')
        c = U'I';
    const std::size_t at = letters.find(c);
    return at == std::u32string::npos ? -1 : int(at);
}

std::string SolverLetters::name(int number) const
{
    std::string out;
    const char32_t c = letters[std::size_t(number)];
    if (c < 0x80) {
        out += char(c);
    } else {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    }
    return out;
}

std::string SolverLetters::text(const std::uint8_t *numbers, std::size_t count) const
{
    std::string out;
    out.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i)
        out += name(numbers[i]);
    return out;
}

std::vector<std::uint8_t> SolverLetters::numbersOf(std::string_view text) const
{
    std::vector<std::uint8_t> out;
    forEachCodePoint(text, [&](char32_t c) {
        if (const int n = number(c); n >= 0)
            out.push_back(std::uint8_t(n));
    });
    return out;
}

const SolverLetters &SolverLetters::of(AlphabetKind kind)
{
    static const std::array<SolverLetters, 4> all{make(AlphabetKind::LatinIJ), make(AlphabetKind::LatinQ),
                                                  make(AlphabetKind::LatinDigits), make(AlphabetKind::Cyrillic)};
    return all[std::size_t(kind)];
}

std::array<char32_t, 2> fillerLetters(AlphabetKind kind)
{
    switch (kind) {
    case AlphabetKind::LatinQ:
        return {U'X', U'Z'};
    case AlphabetKind::Cyrillic:
        return {U'Ь', U'Ю'};
    default:
        return {U'X', U'Q'};
    }
}

std::vector<std::uint8_t> preparedLetters(const SolverLetters &letters, std::string_view text)
{
    const std::vector<std::uint8_t> cleaned = letters.numbersOf(text);
    const std::array<char32_t, 2> fillers = fillerLetters(letters.kind);
    const auto first = std::uint8_t(letters.number(fillers[0]));
    const auto second = std::uint8_t(letters.number(fillers[1]));
    std::vector<std::uint8_t> out;
    out.reserve(cleaned.size() + cleaned.size() / 8);
    for (std::size_t i = 0; i < cleaned.size();) {
        const std::uint8_t a = cleaned[i];
        out.push_back(a);
        if (i + 1 == cleaned.size()) {
            out.push_back(a == first ? second : first);
            break;
        }
        const std::uint8_t b = cleaned[i + 1];
        if (a == b) {
            out.push_back(a == first ? second : first);
            i += 1;
        } else {
            out.push_back(b);
            i += 2;
        }
    }
    return out;
}

} // namespace playfair::analysis
