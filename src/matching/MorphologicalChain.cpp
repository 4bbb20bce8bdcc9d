#include "MorphologicalChain.h"

#include <algorithm>
#include <limits>
#include <map>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The bound orders groups up to this value; farther groups are visited last, still checked exactly.
constexpr int deepestOrderedBound = 255;

// Letters spread over the given number of classes so that each class holds about as many letters
// of all texts as the others: the more even, the more a count difference says.
std::vector<std::uint8_t> balancedClasses(const std::vector<std::size_t>& frequency, std::size_t classes)
{
    std::vector<std::uint32_t> letters(frequency.size());
    for (std::uint32_t i = 0; i < letters.size(); ++i)
        letters[i] = i;
    std::stable_sort(letters.begin(), letters.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return frequency[a] > frequency[b]; });
    std::vector<std::size_t> load(classes, 0);
    std::vector<std::uint8_t> classOf(frequency.size(), 0);
    for (const std::uint32_t letter : letters) {
        const auto lightest = static_cast<std::size_t>(std::min_element(load.begin(), load.end()) - load.begin());
        classOf[letter] = static_cast<std::uint8_t>(lightest);
        load[lightest] += frequency[letter];
    }
    return classOf;
}

template <typename Signature> int absoluteDifference(const Signature& a, const Signature& b)
{
#if defined(__SSE2__)
    static_assert(sizeof(Signature) % 16 == 0);
    __m128i sums = _mm_setzero_si128();
    for (std::size_t i = 0; i < sizeof(Signature); i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a.data() + i));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.data() + i));
        sums = _mm_add_epi64(sums, _mm_sad_epu8(x, y));
    }
    return _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums));
#else
    int sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += a[i] > b[i] ? a[i] - b[i] : b[i] - a[i];
    return sum;
#endif
}

} // namespace

// Lower bounds: TextDistance of two non-empty texts is at least the edit distance of their folded
// texts, m + n - 2 * LCS, and the common subsequence holds at most min(a_c, b_c) of each letter c, so
// the distance is at least the sum over letters of |a_c - b_c|. Adding letters up into classes or
// buckets, and capping the counts, only lowers that sum.
MorphologicalChain::MorphologicalChain(const std::vector<std::u16string_view>& texts) : m_prepared(texts)
{
    const std::size_t count = texts.size();
    m_textAt.resize(count);
    m_placeOf.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        m_textAt[i] = m_placeOf[i] = i;

    std::vector<std::size_t> frequency(m_prepared.letterKinds(), 0);
    for (std::size_t i = 0; i < count; ++i) {
        for (const std::uint16_t letter : m_prepared.letters(i))
            ++frequency[letter];
    }
    const std::vector<std::uint8_t> classOf = balancedClasses(frequency, classCount);
    const std::vector<std::uint8_t> bucketOf = balancedClasses(frequency, signatureBuckets);

    m_keys.assign(count, Key{});
    m_signatures.assign(count, Signature{});
    m_groupOf.assign(count, 0);
    m_slotOf.assign(count, 0);
    std::map<Key, std::uint32_t> groupOfKey;
    for (std::size_t i = 0; i < count; ++i) {
        Key& key = m_keys[i];
        Signature& signature = m_signatures[i];
        for (const std::uint16_t letter : m_prepared.letters(i)) {
            std::uint16_t& inClass = key[classOf[letter]];
            inClass = static_cast<std::uint16_t>(std::min<int>(inClass + 1, std::numeric_limits<std::uint16_t>::max()));
            std::uint8_t& inBucket = signature[bucketOf[letter]];
            inBucket = static_cast<std::uint8_t>(std::min<int>(inBucket + 1, std::numeric_limits<std::uint8_t>::max()));
        }
        // The first text starts the chain and is never a candidate.
        if (i == 0)
            continue;
        if (m_prepared.isEmpty(i)) {
            m_emptyTexts.push_back(i);
            continue;
        }
        const auto [found, added] = groupOfKey.try_emplace(key, static_cast<std::uint32_t>(m_groups.size()));
        if (added)
            m_groups.push_back({key, {}, {}});
        Group& group = m_groups[found->second];
        m_groupOf[i] = found->second;
        m_slotOf[i] = static_cast<std::uint32_t>(group.members.size());
        group.members.push_back(static_cast<std::uint32_t>(i));
        group.signatures.push_back(signature);
    }
    m_groupsByBound.resize(deepestOrderedBound + 1);
    std::size_t largest = 0;
    for (const Group& group : m_groups)
        largest = std::max(largest, group.members.size());
    m_passing.resize(largest);
}

bool MorphologicalChain::advance(std::size_t steps)
{
    for (std::size_t done = 0; done < steps && !isFinished(); ++done)
        step();
    return isFinished();
}

bool MorphologicalChain::advanceUntil(std::chrono::steady_clock::time_point deadline)
{
    while (!isFinished()) {
        step();
        if (std::chrono::steady_clock::now() >= deadline)
            break;
    }
    return isFinished();
}

int MorphologicalChain::progressPercent() const
{
    const auto n = static_cast<std::int64_t>(size());
    const auto total = (n - 2) * (n - 1);
    if (isFinished() || total <= 0)
        return 100;
    const auto k = static_cast<std::int64_t>(m_step);
    const std::int64_t compared = k * (n - 2) - k * (k - 1) / 2;
    return static_cast<int>(compared * 200 / total);
}

int MorphologicalChain::lowerBound(const Key& a, const Key& b) const
{
    int sum = 0;
    for (std::size_t i = 0; i < classCount; ++i)
        sum += a[i] > b[i] ? a[i] - b[i] : b[i] - a[i];
    return sum;
}

void MorphologicalChain::remove(std::size_t text)
{
    if (m_prepared.isEmpty(text)) {
        m_emptyTexts.erase(std::find(m_emptyTexts.begin(), m_emptyTexts.end(), text));
        return;
    }
    Group& group = m_groups[m_groupOf[text]];
    const std::uint32_t slot = m_slotOf[text];
    const std::uint32_t moved = group.members.back();
    group.members[slot] = moved;
    group.signatures[slot] = group.signatures.back();
    m_slotOf[moved] = slot;
    group.members.pop_back();
    group.signatures.pop_back();
}

void MorphologicalChain::step()
{
    const std::size_t k = m_step;
    const std::size_t source = m_textAt[k];
    m_prepared.setSource(source);
    std::size_t bestPlace = k + 1;
    int nearest = m_prepared.distanceTo(m_textAt[k + 1]);

    // A candidate replaces the best only with a smaller distance, or an equal one at a lower place.
    const auto consider = [&](std::size_t text, int bound) {
        if (bound > nearest)
            return;
        const std::size_t place = m_placeOf[text];
        if (place == k + 1 || (bound == nearest && place > bestPlace))
            return;
        const int distance = m_prepared.distanceTo(text);
        if (distance < nearest || (distance == nearest && place < bestPlace)) {
            nearest = distance;
            bestPlace = place;
        }
    };

    if (m_prepared.isEmpty(source)) {
        // From an empty text every distance is the other's full length: no bound to help.
        for (std::size_t place = k + 2; place < size(); ++place)
            consider(m_textAt[place], 0);
    } else {
        for (const std::size_t text : m_emptyTexts)
            consider(text, 0);
        const Key& key = m_keys[source];
        const Signature& signature = m_signatures[source];
        std::size_t deepest = 0;
        for (std::uint32_t g = 0; g < m_groups.size(); ++g) {
            if (m_groups[g].members.empty())
                continue;
            const int bound = lowerBound(key, m_groups[g].key);
            if (bound > nearest)
                continue;
            const auto level = static_cast<std::size_t>(std::min(bound, deepestOrderedBound));
            m_groupsByBound[level].push_back(g);
            deepest = std::max(deepest, level);
        }
        // Nearest groups first, so that an early small distance passes over the farther ones.
        for (std::size_t level = 0; level <= deepest; ++level) {
            std::vector<std::uint32_t>& groups = m_groupsByBound[level];
            if (static_cast<int>(level) > nearest) {
                groups.clear();
                continue;
            }
            for (const std::uint32_t g : groups) {
                const Group& group = m_groups[g];
                const int groupBound = lowerBound(key, group.key);
                if (groupBound > nearest)
                    continue;
                // Without branches first: most members fail their bound.
                std::size_t passing = 0;
                for (std::uint32_t slot = 0; slot < group.members.size(); ++slot) {
                    const int bound = absoluteDifference(signature, group.signatures[slot]);
                    m_passing[passing] = {slot, bound};
                    passing += bound <= nearest ? 1 : 0;
                }
                for (std::size_t i = 0; i < passing; ++i)
                    consider(group.members[m_passing[i].first], std::max(groupBound, m_passing[i].second));
            }
            groups.clear();
        }
    }

    const std::size_t best = m_textAt[bestPlace];
    remove(best);
    if (bestPlace != k + 1) {
        const std::size_t displaced = m_textAt[k + 1];
        m_textAt[k + 1] = best;
        m_textAt[bestPlace] = displaced;
        m_placeOf[best] = k + 1;
        m_placeOf[displaced] = bestPlace;
    }
    ++m_step;
}
