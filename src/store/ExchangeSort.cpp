#include "ExchangeSort.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

// Minimum of the keys over ranges of positions, with the search for the first key below a bound.
class MinimumTree
{
public:
    explicit MinimumTree(const std::vector<int>& keys)
    {
        while (m_leaves < keys.size())
            m_leaves *= 2;
        m_minimum.assign(2 * m_leaves, INT_MAX);
        std::copy(keys.begin(), keys.end(), m_minimum.begin() + static_cast<std::ptrdiff_t>(m_leaves));
        for (std::size_t node = m_leaves - 1; node >= 1; --node)
            m_minimum[node] = std::min(m_minimum[2 * node], m_minimum[2 * node + 1]);
    }

    void set(std::size_t position, int key)
    {
        std::size_t node = m_leaves + position;
        m_minimum[node] = key;
        for (node /= 2; node >= 1; node /= 2)
            m_minimum[node] = std::min(m_minimum[2 * node], m_minimum[2 * node + 1]);
    }

    // The first position at or after from whose key is below bound; size() of the tree when none.
    std::size_t firstBelow(std::size_t from, int bound) const { return search(1, 0, m_leaves, from, bound); }
    std::size_t none() const { return m_leaves; }

private:
    std::size_t search(std::size_t node, std::size_t low, std::size_t high, std::size_t from, int bound) const
    {
        if (high <= from || m_minimum[node] >= bound)
            return m_leaves;
        if (high - low == 1)
            return low;
        const std::size_t middle = low + (high - low) / 2;
        const std::size_t left = search(2 * node, low, middle, from, bound);
        if (left != m_leaves)
            return left;
        return search(2 * node + 1, middle, high, from, bound);
    }

    std::size_t m_leaves = 1;
    std::vector<int> m_minimum;
};

} // namespace

void exchangeSortByKey(std::vector<int> keys, const std::function<void(std::size_t, std::size_t)>& exchange)
{
    if (keys.size() < 2)
        return;
    MinimumTree tree(keys);
    std::vector<std::size_t> chain;
    for (std::size_t j = 0; j + 1 < keys.size(); ++j) {
        // The double loop's exchanges for this j: each later key below the one now held at j, which
        // the exchange then brings to j. Positions after the last exchange are not touched yet.
        chain.clear();
        for (std::size_t k = tree.firstBelow(j + 1, keys[j]); k != tree.none() && k < keys.size();
             k = tree.firstBelow(k + 1, keys[j])) {
            std::swap(keys[j], keys[k]);
            exchange(j, k);
            chain.push_back(k);
        }
        for (const std::size_t k : chain)
            tree.set(k, keys[k]);
        tree.set(j, keys[j]);
    }
}
