#include "analysis/statistics/mixedstatistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

namespace playfair::analysis {

namespace {

// How a table's byte reads as a log10 probability.
struct Quantized
{
    double floorLog10 = 0;
    double unitLog10 = 0;

    double log10Of(int value) const { return floorLog10 + unitLog10 * value; }
};

// Mixes two tables of `count` bytes into `out`, quantized as `mixed`: every
// pair of bytes maps to one mixed byte, so each entry takes one look-up.
void mixTables(const std::uint8_t *a, Quantized inA, const std::uint8_t *b, Quantized inB, std::size_t count,
               Quantized mixed, std::uint8_t *out)
{
    std::vector<std::uint8_t> byPair(256 * 256);
    for (int x = 0; x < 256; ++x) {
        for (int y = 0; y < 256; ++y) {
            const double p = std::pow(10.0, inA.log10Of(x));
            const double q = std::pow(10.0, inB.log10Of(y));
            const double value = (std::log10(0.5 * (p + q)) - mixed.floorLog10) / mixed.unitLog10;
            byPair[std::size_t(256 * x + y)] = std::uint8_t(std::clamp(std::lround(value), 0l, 255l));
        }
    }
    for (std::size_t i = 0; i < count; ++i)
        out[i] = byPair[std::size_t(256 * a[i] + b[i])];
}

// The quantization of a mix: from the lower floor to the higher top, in 255 steps.
Quantized mixedQuantization(Quantized a, Quantized b)
{
    Quantized mixed;
    mixed.floorLog10 = std::min(a.floorLog10, b.floorLog10);
    mixed.unitLog10 = (std::max(a.log10Of(255), b.log10Of(255)) - mixed.floorLog10) / 255;
    return mixed;
}

// The mean log10 probability of letters drawn at random: the mean of the
// table of the highest order.
double randomLevel(const std::uint8_t *table, std::size_t count, Quantized quantized)
{
    double sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += table[i];
    return quantized.log10Of(0) + quantized.unitLog10 * sum / double(count);
}

// A mixed model's file, kept for the program's life as the model views it.
struct MixedModel
{
    std::vector<std::uint8_t> bytes;
    LanguageModel model;
};

std::unique_ptr<MixedModel> makeMixedModel(int order)
{
    const LanguageModel &en = LanguageModel::of(Language::English, order);
    const LanguageModel &bg = LanguageModel::of(Language::Bulgarian, order);
    const Quantized inEn{en.floorLog10(), en.unitLog10()};
    const Quantized inBg{bg.floorLog10(), bg.unitLog10()};
    const Quantized mixed = mixedQuantization(inEn, inBg);

    LanguageModelHeader header;
    header.order = std::uint32_t(en.order());
    header.floorLog10 = float(mixed.floorLog10);
    header.unitLog10 = float(mixed.unitLog10);
    header.letters = en.letters() + bg.letters();
    const std::size_t tables = header.tableBytes();
    // The tables are followed by bytes that may be read but mean nothing.
    constexpr std::size_t slack = 8;
    std::vector<std::uint8_t> bytes(LanguageModelHeader::size + tables + slack, 0);
    std::uint8_t *table = bytes.data() + LanguageModelHeader::size;
    // The tables of every order follow each other, in both models alike.
    mixTables(en.table(1), inEn, bg.table(1), inBg, tables, mixed, table);
    std::size_t top = 1;
    for (std::uint32_t n = 0; n < header.order; ++n)
        top *= 25;
    const double random = randomLevel(table + tables - top, top, mixed);
    const double spread = 0.5 * (en.typicalLog10() - en.randomLog10() + bg.typicalLog10() - bg.randomLog10());
    header.randomLog10 = float(random);
    header.typicalLog10 = float(random + spread);
    const std::vector<std::uint8_t> head = header.encoded();
    std::copy(head.begin(), head.end(), bytes.begin());

    auto made = std::make_unique<MixedModel>();
    made->bytes = std::move(bytes);
    auto model = LanguageModel::view(made->bytes.data(), made->bytes.size() - slack);
    if (!model)
        throw std::logic_error("the mixed letter language model does not read back");
    made->model = *model;
    return made;
}

} // namespace

const LanguageModel &mixedLanguageModel()
{
    static const std::unique_ptr<MixedModel> mixed = makeMixedModel(4);
    return mixed->model;
}

} // namespace playfair::analysis
