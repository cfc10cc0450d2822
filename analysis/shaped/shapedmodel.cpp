#include "analysis/shaped/shapedmodel.h"

#include <algorithm>
#include <cmath>

namespace playfair::analysis {

std::optional<ShapedLanguageModel> ShapedLanguageModel::view(const std::uint8_t *bytes, std::size_t size)
{
    const auto header = CompactModelHeader::decoded(bytes, size);
    if (!header || size != CompactModelHeader::size + header->tableBytes())
        return std::nullopt;
    ShapedLanguageModel model;
    model.m_header = *header;
    const std::size_t n = header->alphabetLetters;
    const std::uint8_t *at = bytes + CompactModelHeader::size;
    std::size_t entries = 1;
    for (std::size_t order = 1; order <= 4; ++order) {
        entries *= n;
        model.m_tables[order] = at;
        at += entries;
    }
    model.m_backOff = at;
    at += entries;
    model.m_keys.resize(header->groups);
    for (std::uint32_t &key : model.m_keys) {
        key = std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24;
        at += 4;
    }
    if (!std::is_sorted(model.m_keys.begin(), model.m_keys.end()))
        return std::nullopt;
    model.m_values = at;
    return model;
}

double ShapedLanguageModel::letterLog10(const std::uint8_t *letters, int order) const
{
    const std::uint32_t n = m_header.alphabetLetters;
    std::uint32_t index = 0;
    for (int i = 0; i < order; ++i)
        index = index * n + letters[i];
    if (order < 5)
        return value(m_tables[std::size_t(order)][index]);
    const auto found = std::lower_bound(m_keys.begin(), m_keys.end(), index);
    if (found != m_keys.end() && *found == index)
        return value(m_values[found - m_keys.begin()]);
    const std::uint32_t four = n * n * n * n;
    // Not seen: the order-4 probability of the letter after the last three,
    // times the share the context leaves its unseen letters.
    return value(m_backOff[index / n]) + value(m_tables[4][index % four]);
}

double ShapedLanguageModel::log10Probability(const std::uint8_t *letters, std::size_t count) const
{
    double sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int order = int(std::min<std::size_t>(i + 1, 5));
        sum += letterLog10(letters + i + 1 - std::size_t(order), order);
    }
    return sum;
}

double ShapedLanguageModel::meanLog10(const std::uint8_t *letters, std::size_t count) const
{
    return count == 0 ? 0 : log10Probability(letters, count) / double(count);
}

double ShapedLanguageModel::readsLikeTheLanguage(std::size_t count) const
{
    // As the classic chooser's level (analysis/search/chooser.cpp): 2.1 over
    // the root of the length below the typical mean.
    return typicalLog10() - 2.1 / std::sqrt(double(std::max<std::size_t>(count, 1)));
}

} // namespace playfair::analysis
