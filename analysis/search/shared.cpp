#include "analysis/search/searchwork.h"

#include <algorithm>
#include <limits>

namespace playfair::analysis {

double Shared::runnerUp() const
{
    double second = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < judged.size(); ++i) {
        if (int(i) != bestAt)
            second = std::max(second, judged[i].verdict.total);
    }
    return second;
}

const Judged *Shared::bestIn(Language language) const
{
    const Judged *found = nullptr;
    for (const Judged &candidate : judged) {
        if (candidate.verdict.language == language && (!found || candidate.verdict.total > found->verdict.total))
            found = &candidate;
    }
    return found;
}

int Shared::searchRankOfBest() const
{
    const Judged *top = best();
    if (!top)
        return 0;
    int rank = 1;
    for (const Judged &other : judged) {
        if (other.fromKeyWord() == top->fromKeyWord() && other.candidate.score > top->candidate.score)
            ++rank;
    }
    return rank;
}

bool Shared::admit(const Judged &candidate)
{
    const Judged *before = best();
    const std::uint64_t bestHash = before ? before->hash : 0;
    bool changed = false;
    auto same = std::find_if(judged.begin(), judged.end(), [&](const Judged &j) { return j.hash == candidate.hash; });
    if (same != judged.end()) {
        // The same plaintext by a likelier key (a key word the general search
        // found as a square) keeps the likelier key.
        if (!(candidate.verdict.total > same->verdict.total))
            return false;
        *same = candidate;
    } else if (judged.size() < mostJudged) {
        judged.push_back(candidate);
    } else {
        auto lowest = std::min_element(judged.begin(), judged.end(), [](const Judged &a, const Judged &b) {
            return a.verdict.total < b.verdict.total;
        });
        if (!(candidate.verdict.total > lowest->verdict.total))
            return false;
        *lowest = candidate;
    }
    bestAt = 0;
    for (std::size_t i = 1; i < judged.size(); ++i) {
        if (judged[i].verdict.total > judged[std::size_t(bestAt)].verdict.total)
            bestAt = int(i);
    }
    changed = !before || judged[std::size_t(bestAt)].hash != bestHash;
    bestTotal.store(judged[std::size_t(bestAt)].verdict.total, std::memory_order_relaxed);
    if (changed)
        ++version;
    return changed;
}

} // namespace playfair::analysis
