#pragma once

#include "analysis/search/random.h"
#include "analysis/shaped/shapedannealer.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace playfair::analysis {

// One search by parallel tempering (replica exchange) on a rows x columns
// square: `plan.replicas` squares anneal at once on a ladder of
// temperatures, from the plan's up to `plan.hottest` times it, each step
// of the ladder the same ratio. Every `plan.exchangeMoves` moves of each,
// neighbours on the ladder trade squares with the Metropolis probability
// of the exchange, exp((1/T cold - 1/T hot) * (hot score - cold score)),
// so a square that climbed high while hot is handed down to be refined,
// and one stuck while cold is handed up to be loosened. After
// `plan.moves` moves of each, the best square met climbs over all letter
// swaps, as a restart's does.
//
// The first replica is the annealer given, so the outcome's plaintext is
// read from it as from a restart; the others are copies with their own
// moves. One thread's, like the annealer.
template<int Rows, int Columns>
class ShapedTempering
{
public:
    using Annealer = ShapedAnnealer<Rows, Columns>;
    using Square = typename Annealer::Square;
    using Outcome = typename Annealer::Outcome;

    ShapedTempering(Annealer &first, int replicas, std::uint64_t seed) : m_first(first), m_random(seed)
    {
        m_copies.reserve(std::size_t(std::max(0, replicas - 1)));
        for (int k = 1; k < replicas; ++k) {
            m_copies.push_back(first);
            m_copies.back().reseed(m_random.next());
        }
    }

    int replicas() const { return int(m_copies.size()) + 1; }
    // A replica's annealer, the given one first (not by temperature). For
    // the tests.
    const Annealer &replica(int k) const { return k == 0 ? m_first : m_copies[std::size_t(k - 1)]; }

    // One search from random squares, or from `best` shaken (each replica
    // its own way) when not null.
    Outcome search(const ShapedPlan &plan, const Square *best, const std::atomic<bool> &stop,
                   std::atomic<std::uint64_t> &keys)
    {
        const int count = replicas();
        setLadder(plan, count);
        // at[k]: the replica at the k-th temperature, the coldest first.
        std::vector<Annealer *> at;
        at.push_back(&m_first);
        for (Annealer &copy : m_copies)
            at.push_back(&copy);
        Outcome outcome;
        bool first = true;
        for (Annealer *replica : at) {
            replica->scoreOf(best ? replica->shaken(*best, plan.shakeSwaps) : replica->randomSquare());
            if (first || replica->score() > outcome.score)
                outcome = {replica->score(), replica->square()};
            first = false;
        }
        const std::uint32_t interval = std::max<std::uint32_t>(1, std::min(plan.exchangeMoves, plan.moves));
        const std::uint32_t rounds = std::max<std::uint32_t>(1, plan.moves / interval);
        std::uint64_t tried = 0;
        for (std::uint32_t round = 0; round < rounds; ++round) {
            for (int k = 0; k < count; ++k) {
                if (!at[std::size_t(k)]->anneal(plan, m_slack[std::size_t(k)], interval, outcome, tried, stop, keys))
                    return outcome;
            }
            // Even pairs of neighbours in one round, odd in the next.
            for (int k = int(round & 1); k + 1 < count; k += 2) {
                const double gain = double(at[std::size_t(k + 1)]->score() - at[std::size_t(k)]->score())
                    * (m_inverse[std::size_t(k)] - m_inverse[std::size_t(k + 1)]);
                if (gain >= 0 || uniform() < std::exp(gain))
                    std::swap(at[std::size_t(k)], at[std::size_t(k + 1)]);
            }
        }
        return m_first.climb(outcome.square, stop, keys);
    }

private:
    void setLadder(const ShapedPlan &plan, int count)
    {
        if (int(m_slack.size()) == count && m_temperature == plan.temperature && m_hottest == plan.hottest)
            return;
        m_temperature = plan.temperature;
        m_hottest = plan.hottest;
        m_slack.clear();
        m_inverse.clear();
        const double ratio = count > 1 ? std::pow(plan.hottest, 1.0 / (count - 1)) : 1.0;
        double temperature = plan.temperature;
        for (int k = 0; k < count; ++k) {
            m_slack.push_back(Annealer::slackOf(temperature));
            m_inverse.push_back(temperature > 0 ? 1.0 / temperature : 1e9);
            temperature *= ratio;
        }
    }

    double uniform() { return double(m_random.next() >> 11) * 0x1.0p-53; }

    Annealer &m_first;
    std::vector<Annealer> m_copies;
    Random m_random;
    std::vector<typename Annealer::SlackTable> m_slack; // the ladder, the coldest first
    std::vector<double> m_inverse;                      // 1 / T on the ladder
    double m_temperature = -1;
    double m_hottest = -1;
};

} // namespace playfair::analysis
