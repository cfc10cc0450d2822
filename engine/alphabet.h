#pragma once

#include "rules.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace playfair {

// What a text keeps when it is cleaned into an alphabet.
struct CleanedText
{
    std::u32string letters; // the alphabet's letters, in the text's order
    // The letters of the text that the alphabet leaves out, as capitals in the
    // text's order: the Q of latin-q, Latin letters in Cyrillic, Cyrillic
    // letters in the Latin alphabets. Digits, signs and spaces outside the
    // alphabet are not letters and are skipped without a word.
    std::u32string dropped;

    friend bool operator==(const CleanedText &, const CleanedText &) = default;
};

// The letters a square is made of, as one value: their order (which also
// fills a key square after the key's letters), the square's rows and
// columns, how a text is cleaned into them and the fillers that split a
// doubled pair and even an odd end. Four are known, each under its code:
//
//   latin-ij      5 x 5  A..Z, J written as I (the classic square)
//   latin-q       5 x 5  A..Z without Q, which a text loses; J its own letter
//   latin-digits  6 x 6  A..Z and then 0..9; digits kept in texts and keys
//   cyrillic      5 x 6  the 30 Bulgarian letters А..Я; Ѐ as Е, Ѝ as И
//
// The Latin alphabets fill with X, and with Q where the letter to split or
// even is an X (latin-q, having no Q, with Z there). Cyrillic fills with Ь
// and with Ю after a Ь. They are the rarest Bulgarian letters and the least
// often doubled: in the program's Bulgarian books (3 242 821 letters) Ь
// stands 1 196 times and never twice in a row, Ю 3 364 times and once
// doubled; the next, Ф, 4 566 times and 7 doubled.
class Alphabet
{
public:
    enum class Id : unsigned char { LatinIJ, LatinQ, LatinDigits, Cyrillic };

    static const Alphabet &of(Id id);
    // The classic alphabet, latin-ij.
    static const Alphabet &classic() { return of(Id::LatinIJ); }
    // The alphabet of a code, or none for an unknown one.
    static const Alphabet *byCode(std::string_view code);
    // All four, the classic first.
    static const std::array<const Alphabet *, 4> &all();

    Id id() const { return m_id; }
    // "latin-ij", "latin-q", "latin-digits" or "cyrillic".
    std::string_view code() const { return m_code; }
    // The letters in order, rows x columns of them.
    std::u32string_view letters() const { return m_letters; }
    SquareShape shape() const { return m_shape; }
    int size() const { return int(m_letters.size()); }

    // The place of a letter in letters(), or -1 for a character that is not
    // one of them (a lower-case letter included: see letterFor).
    int indexOf(char32_t letter) const;
    bool contains(char32_t letter) const { return indexOf(letter) >= 0; }

    // The alphabet's letter a character of a text stands for: capitals and
    // small letters alike, merged letters as their partner (J as I in
    // latin-ij). Zero for a character the alphabet has no letter for.
    char32_t letterFor(char32_t character) const;

    // Cleans a text: each character becomes its letter (letterFor); letters
    // of a known script the alphabet has none for are listed as dropped, and
    // everything else is skipped.
    CleanedText cleaned(std::u32string_view text) const;

    // The letter that splits a doubled pair of `letter`, or evens an odd end
    // after `letter`: the filler, or the second filler after the filler.
    char32_t fillerAfter(char32_t letter) const { return letter == m_filler ? m_secondFiller : m_filler; }
    char32_t filler() const { return m_filler; }
    char32_t secondFiller() const { return m_secondFiller; }

    // The plain square: the letters in order.
    std::u32string plainSquare() const { return std::u32string(m_letters); }

    friend bool operator==(const Alphabet &a, const Alphabet &b) { return a.m_id == b.m_id; }

private:
    Alphabet(Id id, std::string_view code, std::u32string_view letters, SquareShape shape, char32_t filler,
             char32_t secondFiller);

    Id m_id;
    std::string_view m_code;
    std::u32string_view m_letters;
    SquareShape m_shape;
    char32_t m_filler;
    char32_t m_secondFiller;
};

// UTF-8 and UTF-32 for the alphabets' letters, which the command lines and
// the solver read and write as UTF-8. A malformed byte reads as U+FFFD.
std::string toUtf8(std::u32string_view text);
std::u32string fromUtf8(std::string_view text);

// The classic square's letters, kept as ASCII in std::string by the older
// interfaces, as UTF-32 code points and back (each byte one letter).
inline std::u32string widened(std::string_view ascii)
{
    return std::u32string(ascii.begin(), ascii.end());
}

inline std::string narrowed(std::u32string_view letters)
{
    std::string ascii;
    ascii.reserve(letters.size());
    for (char32_t letter : letters)
        ascii += char(letter);
    return ascii;
}

} // namespace playfair
