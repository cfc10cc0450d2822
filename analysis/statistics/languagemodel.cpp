#include "analysis/statistics/languagemodel.h"

#include <stdexcept>

// The models made by tools/letterstats, embedded at build time.
extern "C" const unsigned char playfair_model4_en[];
extern "C" const std::size_t playfair_model4_en_size;
extern "C" const unsigned char playfair_model4_bg[];
extern "C" const std::size_t playfair_model4_bg_size;
extern "C" const unsigned char playfair_model5_en[];
extern "C" const std::size_t playfair_model5_en_size;
extern "C" const unsigned char playfair_model5_bg[];
extern "C" const std::size_t playfair_model5_bg_size;

namespace playfair::analysis {

std::optional<LanguageModel> LanguageModel::view(const std::uint8_t *bytes, std::size_t size)
{
    const auto header = LanguageModelHeader::decoded(bytes, size);
    if (!header || int(header->order) > highestOrder || size != LanguageModelHeader::size + header->tableBytes())
        return std::nullopt;
    LanguageModel model;
    model.m_header = *header;
    const std::uint8_t *table = bytes + LanguageModelHeader::size;
    std::size_t groups = 1;
    for (int n = 1; n <= model.order(); ++n) {
        groups *= 25;
        model.m_tables[std::size_t(n)] = table;
        table += groups;
    }
    return model;
}

const LanguageModel &LanguageModel::of(Language language, int order)
{
    const auto load = [](const unsigned char *bytes, std::size_t size) {
        auto model = view(bytes, size);
        if (!model)
            throw std::logic_error("a built-in letter language model is damaged");
        return *model;
    };
    const bool english = language == Language::English;
    if (order <= 4) {
        static const LanguageModel en = load(playfair_model4_en, playfair_model4_en_size);
        static const LanguageModel bg = load(playfair_model4_bg, playfair_model4_bg_size);
        return english ? en : bg;
    }
    static const LanguageModel en = load(playfair_model5_en, playfair_model5_en_size);
    static const LanguageModel bg = load(playfair_model5_bg, playfair_model5_bg_size);
    return english ? en : bg;
}

int LanguageModel::openingUnits(const Letter *letters, std::size_t count) const
{
    int units = 0;
    std::size_t index = 0;
    for (std::size_t i = 0; i < count && i + 1 < std::size_t(order()); ++i) {
        index = index * 25 + letters[i];
        units += m_tables[i + 1][index];
    }
    return units;
}

int LanguageModel::units(const Letter *letters, std::size_t count) const
{
    int units = openingUnits(letters, count);
    const std::size_t n = std::size_t(order());
    const std::uint8_t *top = m_tables[n];
    for (std::size_t i = 0; i + n <= count; ++i) {
        std::size_t index = 0;
        for (std::size_t k = 0; k < n; ++k)
            index = index * 25 + letters[i + k];
        units += top[index];
    }
    return units;
}

double LanguageModel::log10Probability(const Letter *letters, std::size_t count) const
{
    return floorLog10() * double(count) + unitLog10() * double(units(letters, count));
}

double LanguageModel::meanLog10(const Letter *letters, std::size_t count) const
{
    return count == 0 ? 0 : log10Probability(letters, count) / double(count);
}

} // namespace playfair::analysis
