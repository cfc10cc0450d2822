#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace playfair::analysis {

// The head of a table file, as tools/letterstats writes it: the magic bytes,
// then little-endian fields.
struct LetterStatisticsHeader
{
    static constexpr char magic[4] = {'P', 'F', 'Q', '4'};
    static constexpr std::size_t size = 4 + 4 + 4 + 8 + 4 + 4;
    // A four-letter group never seen in the texts counts as this share of
    // one occurrence.
    static constexpr double unseenShare = 0.3;

    float floorLog10 = 0; // the log10 probability that table value 0 stands for
    float unitLog10 = 0;  // the log10 step of one table unit
    std::uint64_t letters = 0;     // how many letters the table was made from
    float typicalLog10 = 0;        // the mean log10 probability of a group in those texts
    float randomLog10 = 0;         // the same for letters drawn at random

    std::vector<std::uint8_t> encoded() const;
    static std::optional<LetterStatisticsHeader> decoded(const std::uint8_t *bytes, std::size_t size);
};

// The head of a letter language model's file: the magic bytes, then
// little-endian fields. The tables follow, one for each order n = 1..order,
// of 25^n bytes: entry h * 25 + x holds log10 P(x | h) for the context h of
// n - 1 letters (a base-25 number, its first letter most significant),
// quantized as floorLog10 + unitLog10 * byte.
struct LanguageModelHeader
{
    static constexpr char magic[4] = {'P', 'F', 'L', 'M'};
    static constexpr std::size_t size = 4 + 4 + 4 + 4 + 8 + 4 + 4;
    // The lowest log10 probability a table holds.
    static constexpr float lowestLog10 = -7.0f;

    std::uint32_t order = 0;
    float floorLog10 = 0;
    float unitLog10 = 0;
    std::uint64_t letters = 0; // how many letters the model was made from
    float typicalLog10 = 0;    // the mean log10 probability of a letter in those texts
    float randomLog10 = 0;     // the same for letters drawn at random

    // The size of the tables that follow the head.
    std::size_t tableBytes() const;

    std::vector<std::uint8_t> encoded() const;
    static std::optional<LanguageModelHeader> decoded(const std::uint8_t *bytes, std::size_t size);
};

// The head of a compact order-5 letter model of an alphabet of N letters
// (tools/letterstats --alphabet): the magic bytes, then little-endian
// fields. What follows: the dense tables of orders 1 to 4 (N^n bytes each,
// entry h * N + x holding log10 P(x | h)); the back-off weight of every
// context of four letters (N^4 bytes: log10 of the share of probability
// its unseen fifth letters get from order 4, 0 for a context never seen);
// then the `groups` five-letter groups the books hold, their numbers in
// base N as sorted 4-byte little-endian integers, and after them their
// log10 P(fifth letter | first four), a byte each. Every value is quantized
// as floorLog10 + unitLog10 * byte.
struct CompactModelHeader
{
    static constexpr char magic[4] = {'P', 'F', 'C', '5'};
    static constexpr std::size_t size = 4 + 4 + 4 + 4 + 8 + 4 + 4 + 4;

    std::uint32_t alphabetLetters = 0; // N
    float floorLog10 = 0;
    float unitLog10 = 0;
    std::uint64_t letters = 0; // how many letters the model was made from
    float typicalLog10 = 0;    // the mean log10 probability of a letter in unseen text
    float randomLog10 = 0;     // the same for letters drawn at random
    std::uint32_t groups = 0;  // the five-letter groups stored

    // The size of what follows the head.
    std::size_t tableBytes() const;

    std::vector<std::uint8_t> encoded() const;
    static std::optional<CompactModelHeader> decoded(const std::uint8_t *bytes, std::size_t size);
};

} // namespace playfair::analysis
