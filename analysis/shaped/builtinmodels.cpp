#include "analysis/shaped/shapedmodel.h"

#include <stdexcept>

// The compact models made by tools/letterstats --alphabet, embedded at build time.
extern "C" const unsigned char playfair_model5_latin_q[];
extern "C" const std::size_t playfair_model5_latin_q_size;
extern "C" const unsigned char playfair_model5_cyrillic[];
extern "C" const std::size_t playfair_model5_cyrillic_size;

namespace playfair::analysis {

const ShapedLanguageModel *ShapedLanguageModel::of(AlphabetKind kind)
{
    const auto load = [](AlphabetKind kind, const unsigned char *bytes, std::size_t size) {
        auto model = view(bytes, size);
        if (!model || model->letters() != SolverLetters::of(kind).size())
            throw std::logic_error("a built-in letter language model is damaged");
        return *model;
    };
    switch (kind) {
    case AlphabetKind::LatinQ: {
        static const ShapedLanguageModel q = load(kind, playfair_model5_latin_q, playfair_model5_latin_q_size);
        return &q;
    }
    case AlphabetKind::Cyrillic: {
        static const ShapedLanguageModel cyrillic =
            load(kind, playfair_model5_cyrillic, playfair_model5_cyrillic_size);
        return &cyrillic;
    }
    default:
        return nullptr;
    }
}

} // namespace playfair::analysis
