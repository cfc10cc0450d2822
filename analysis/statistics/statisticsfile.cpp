#include "analysis/statistics/statisticsfile.h"

#include <cstring>

namespace playfair::analysis {

namespace {

void putLittleEndian(std::vector<std::uint8_t> &bytes, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(std::uint8_t(value >> (8 * i)));
}

std::uint64_t getLittleEndian(const std::uint8_t *bytes, int size)
{
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

std::uint32_t floatBits(float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float bitsFloat(std::uint32_t bits)
{
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Every table's header holds the same five figures of its scale, in this
// order (24 bytes): the floor, the unit, the letters counted, the typical and
// the random mean.
template<typename Header>
void putScale(std::vector<std::uint8_t> &bytes, const Header &header)
{
    putLittleEndian(bytes, floatBits(header.floorLog10), 4);
    putLittleEndian(bytes, floatBits(header.unitLog10), 4);
    putLittleEndian(bytes, header.letters, 8);
    putLittleEndian(bytes, floatBits(header.typicalLog10), 4);
    putLittleEndian(bytes, floatBits(header.randomLog10), 4);
}

template<typename Header>
void getScale(const std::uint8_t *bytes, Header &header)
{
    header.floorLog10 = bitsFloat(std::uint32_t(getLittleEndian(bytes, 4)));
    header.unitLog10 = bitsFloat(std::uint32_t(getLittleEndian(bytes + 4, 4)));
    header.letters = getLittleEndian(bytes + 8, 8);
    header.typicalLog10 = bitsFloat(std::uint32_t(getLittleEndian(bytes + 16, 4)));
    header.randomLog10 = bitsFloat(std::uint32_t(getLittleEndian(bytes + 20, 4)));
}

} // namespace

std::vector<std::uint8_t> LetterStatisticsHeader::encoded() const
{
    std::vector<std::uint8_t> bytes(magic, magic + 4);
    putScale(bytes, *this);
    return bytes;
}

std::optional<LetterStatisticsHeader> LetterStatisticsHeader::decoded(const std::uint8_t *bytes, std::size_t size)
{
    if (size < LetterStatisticsHeader::size || std::memcmp(bytes, magic, 4) != 0)
        return std::nullopt;
    LetterStatisticsHeader header;
    getScale(bytes + 4, header);
    if (!(header.unitLog10 > 0) || !(header.floorLog10 < 0))
        return std::nullopt;
    return header;
}

std::size_t LanguageModelHeader::tableBytes() const
{
    std::size_t bytes = 0;
    std::size_t groups = 1;
    for (std::uint32_t n = 1; n <= order; ++n) {
        groups *= 25;
        bytes += groups;
    }
    return bytes;
}

std::vector<std::uint8_t> LanguageModelHeader::encoded() const
{
    std::vector<std::uint8_t> bytes(magic, magic + 4);
    putLittleEndian(bytes, order, 4);
    putScale(bytes, *this);
    return bytes;
}

std::optional<LanguageModelHeader> LanguageModelHeader::decoded(const std::uint8_t *bytes, std::size_t size)
{
    if (size < LanguageModelHeader::size || std::memcmp(bytes, magic, 4) != 0)
        return std::nullopt;
    LanguageModelHeader header;
    header.order = std::uint32_t(getLittleEndian(bytes + 4, 4));
    getScale(bytes + 8, header);
    if (header.order < 1 || header.order > 6 || !(header.unitLog10 > 0) || !(header.floorLog10 < 0))
        return std::nullopt;
    return header;
}

std::size_t CompactModelHeader::tableBytes() const
{
    const std::size_t n = alphabetLetters;
    const std::size_t four = n * n * n * n;
    return n + n * n + n * n * n + 2 * four + 5 * std::size_t(groups);
}

std::vector<std::uint8_t> CompactModelHeader::encoded() const
{
    std::vector<std::uint8_t> bytes(magic, magic + 4);
    putLittleEndian(bytes, alphabetLetters, 4);
    putScale(bytes, *this);
    putLittleEndian(bytes, groups, 4);
    return bytes;
}

std::optional<CompactModelHeader> CompactModelHeader::decoded(const std::uint8_t *bytes, std::size_t size)
{
    if (size < CompactModelHeader::size || std::memcmp(bytes, magic, 4) != 0)
        return std::nullopt;
    CompactModelHeader header;
    header.alphabetLetters = std::uint32_t(getLittleEndian(bytes + 4, 4));
    getScale(bytes + 8, header);
    header.groups = std::uint32_t(getLittleEndian(bytes + 32, 4));
    // Five letters' number must fit the four bytes of a group's key.
    if (header.alphabetLetters < 2 || header.alphabetLetters > 64 || !(header.unitLog10 > 0)
        || !(header.floorLog10 < 0))
        return std::nullopt;
    return header;
}

} // namespace playfair::analysis
