#include "MorphologicalChain.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define ZENVALO_CHAIN_AVX2 1
#endif

namespace {

// Counts are capped to fit half a byte: the slots hold two to a byte.
constexpr int largestCount = 15;

using Counts = std::array<std::uint8_t, 32>;
// Count i in the low half of byte i, count i + 16 in the high half.
using PackedCounts = std::array<std::uint8_t, 16>;

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
        const auto lightest =
            static_cast<std::size_t>(std::min_element(load.begin(), load.end()) - load.begin());
        classOf[letter] = static_cast<std::uint8_t>(lightest);
        load[lightest] += frequency[letter];
    }
    return classOf;
}

// One pass over the slots of one length: which of them may be nearer to the source than the best so
// far. A slot passes when (bound, place), compared as bound << 32 | place, comes before best and its
// place comes after `after`; (slot, bound) is written to passing for each. Most slots fail, so the
// pass decides without branches.
struct SlotPass
{
    const Counts* source;
    const PackedCounts* counts; // per slot
    const std::uint32_t* places;
    std::size_t first;
    std::size_t end;
    std::uint64_t best;
    std::uint32_t after;
    std::pair<std::uint32_t, int>* passing;
};

inline std::size_t keep(const SlotPass& pass, std::size_t slot, int bound, std::size_t passed)
{
    const std::uint32_t place = pass.places[slot];
    pass.passing[passed] = {static_cast<std::uint32_t>(slot), bound};
    const std::uint64_t key = (std::uint64_t(static_cast<std::uint32_t>(bound)) << 32) | place;
    return passed + static_cast<std::size_t>((key < pass.best) & (place > pass.after));
}

#if defined(__SSE2__)
// The sum of the differences of the counts with two psadbw.
std::size_t passingSlots(const SlotPass& pass)
{
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pass.source->data()));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pass.source->data() + 16));
    const __m128i nibbles = _mm_set1_epi8(0x0F);
    std::size_t passed = 0;
    for (std::size_t slot = pass.first; slot < pass.end; ++slot) {
        const __m128i packed = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pass.counts[slot].data()));
        const __m128i sums =
            _mm_add_epi64(_mm_sad_epu8(_mm_and_si128(packed, nibbles), low),
                          _mm_sad_epu8(_mm_and_si128(_mm_srli_epi16(packed, 4), nibbles), high));
        const int bound = _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums));
        passed = keep(pass, slot, bound, passed);
    }
    return passed;
}
#else
std::size_t passingSlots(const SlotPass& pass)
{
    const Counts& a = *pass.source;
    std::size_t passed = 0;
    for (std::size_t slot = pass.first; slot < pass.end; ++slot) {
        const PackedCounts& b = pass.counts[slot];
        int bound = 0;
        for (std::size_t i = 0; i < b.size(); ++i)
            bound += std::abs(a[i] - (b[i] & 0x0F)) + std::abs(a[i + 16] - (b[i] >> 4));
        passed = keep(pass, slot, bound, passed);
    }
    return passed;
}
#endif

#if defined(ZENVALO_CHAIN_AVX2)
// The same two slots at a time, the keys compared in vector registers too: more than twice as fast
// where the processor has AVX2, which is checked once at run time.
__attribute__((target("avx2"))) std::size_t passingSlotsAvx2(const SlotPass& pass)
{
    const __m256i low =
        _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pass.source->data())));
    const __m256i high = _mm256_broadcastsi128_si256(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(pass.source->data() + 16)));
    const __m256i nibbles = _mm256_set1_epi8(0x0F);
    const __m256i best = _mm256_set1_epi64x(static_cast<long long>(pass.best));
    const __m256i after = _mm256_set1_epi64x(pass.after);
    std::size_t passed = 0;
    std::size_t slot = pass.first;
    for (; slot + 2 <= pass.end; slot += 2) {
        const __m256i packed = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pass.counts[slot].data()));
        const __m256i halves =
            _mm256_add_epi64(_mm256_sad_epu8(_mm256_and_si256(packed, nibbles), low),
                             _mm256_sad_epu8(_mm256_and_si256(_mm256_srli_epi16(packed, 4), nibbles), high));
        // Each 128-bit half holds one slot's bound in both its words, beside that slot's place.
        const __m256i bounds =
            _mm256_add_epi64(halves, _mm256_shuffle_epi32(halves, _MM_SHUFFLE(1, 0, 3, 2)));
        const __m128i twoPlaces = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(pass.places + slot));
        const __m256i places = _mm256_cvtepu32_epi64(_mm_shuffle_epi32(twoPlaces, _MM_SHUFFLE(1, 1, 0, 0)));
        const __m256i keys = _mm256_or_si256(_mm256_slli_epi64(bounds, 32), places);
        const __m256i passes =
            _mm256_and_si256(_mm256_cmpgt_epi64(best, keys), _mm256_cmpgt_epi64(places, after));
        const int bits = _mm256_movemask_pd(_mm256_castsi256_pd(passes));
        pass.passing[passed] = {static_cast<std::uint32_t>(slot), _mm256_cvtsi256_si32(bounds)};
        passed += static_cast<std::size_t>(bits & 1);
        pass.passing[passed] = {static_cast<std::uint32_t>(slot + 1), _mm256_extract_epi32(bounds, 4)};
        passed += static_cast<std::size_t>((bits >> 2) & 1);
    }
    if (slot < pass.end) {
        SlotPass rest = pass;
        rest.first = slot;
        rest.passing += passed;
        passed += passingSlots(rest);
    }
    return passed;
}
#endif

std::size_t (*chooseSlotPass())(const SlotPass&)
{
#if defined(ZENVALO_CHAIN_AVX2)
    if (__builtin_cpu_supports("avx2"))
        return passingSlotsAvx2;
#endif
    return passingSlots;
}

} // namespace

// Lower bounds: TextDistance of two non-empty texts is at least the edit distance of their folded
// texts, m + n - 2 * LCS, and the common subsequence holds at most min(a_c, b_c) of each letter c, so
// the distance is at least the sum over letters of |a_c - b_c|. Adding letters up into buckets, and
// capping the counts, only lowers that sum. The difference of the lengths is a bound of its own.
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
    const std::vector<std::uint8_t> bucketOf = balancedClasses(frequency, signatureBuckets);
    m_signatures.assign(count, Signature{});
    for (std::size_t i = 0; i < count; ++i) {
        for (const std::uint16_t letter : m_prepared.letters(i)) {
            std::uint8_t& inBucket = m_signatures[i][bucketOf[letter]];
            inBucket = static_cast<std::uint8_t>(std::min<int>(inBucket + 1, largestCount));
        }
    }

    m_slotOf.assign(count, 0);
    // The first text starts the chain and is never a candidate.
    for (std::size_t i = 1; i < count; ++i) {
        if (m_prepared.isEmpty(i))
            m_emptyTexts.push_back(i);
        else
            m_slotText.push_back(static_cast<std::uint32_t>(i));
    }
    std::stable_sort(m_slotText.begin(), m_slotText.end(), [this](std::uint32_t a, std::uint32_t b) {
        return m_prepared.letters(a).size() < m_prepared.letters(b).size();
    });
    m_slotSignature.resize(m_slotText.size());
    m_slotPlace.resize(m_slotText.size());
    const std::size_t longest = m_slotText.empty() ? 0 : m_prepared.letters(m_slotText.back()).size();
    m_lengthStart.assign(longest + 2, 0);
    std::size_t slot = 0;
    for (std::size_t length = 0; length <= longest + 1; ++length) {
        m_lengthStart[length] = slot;
        while (slot < m_slotText.size() && m_prepared.letters(m_slotText[slot]).size() == length) {
            const std::uint32_t text = m_slotText[slot];
            for (std::size_t i = 0; i < m_slotSignature[slot].size(); ++i)
                m_slotSignature[slot][i] =
                    static_cast<std::uint8_t>(m_signatures[text][i] | (m_signatures[text][i + 16] << 4));
            m_slotPlace[slot] = static_cast<std::uint32_t>(text);
            m_slotOf[text] = static_cast<std::uint32_t>(slot);
            ++slot;
        }
    }
    m_lengthEnd.assign(m_lengthStart.begin() + 1, m_lengthStart.end());
    m_lengthEnd.push_back(m_slotText.size());
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

void MorphologicalChain::remove(std::size_t text)
{
    if (m_prepared.isEmpty(text)) {
        m_emptyTexts.erase(std::find(m_emptyTexts.begin(), m_emptyTexts.end(), text));
        return;
    }
    const std::uint32_t slot = m_slotOf[text];
    const std::size_t last = --m_lengthEnd[m_prepared.letters(text).size()];
    if (slot == last)
        return;
    m_slotText[slot] = m_slotText[last];
    m_slotSignature[slot] = m_slotSignature[last];
    m_slotPlace[slot] = m_slotPlace[last];
    m_slotOf[m_slotText[slot]] = slot;
}

// The search for the nearest remaining text of one step.
class MorphologicalChain::Search
{
public:
    // passing: scratch kept from step to step.
    Search(const MorphologicalChain& chain, int nearest, std::size_t bestPlace,
           std::vector<std::pair<std::uint32_t, int>>& passing)
        : m_chain(chain), m_step(chain.m_step), m_nearest(nearest), m_bestPlace(bestPlace), m_passing(passing)
    {}

    int nearest() const { return m_nearest; }
    std::size_t bestPlace() const { return m_bestPlace; }

    // A candidate replaces the best only with a smaller distance, or an equal one at a lower place.
    void consider(std::size_t text, std::size_t place, int bound)
    {
        if (bound > m_nearest || place == m_step + 1 || (bound == m_nearest && place > m_bestPlace))
            return;
        m_batch[m_batched] = static_cast<std::uint32_t>(text);
        m_batchPlace[m_batched] = place;
        if (++m_batched == m_batch.size())
            measure();
    }

    // Candidates are measured a few at a time, which is faster; the best found meanwhile only means
    // that some of them needed no measuring.
    void measure()
    {
        m_chain.m_prepared.distancesTo(m_batch.data(), m_batched, m_distances.data());
        for (std::size_t i = 0; i < m_batched; ++i) {
            if (m_distances[i] < m_nearest ||
                (m_distances[i] == m_nearest && m_batchPlace[i] < m_bestPlace)) {
                m_nearest = m_distances[i];
                m_bestPlace = m_batchPlace[i];
            }
        }
        m_batched = 0;
    }

    // Lengths nearest to the source's first, so that an early small distance passes over the others;
    // a length differing by more than the best distance cannot hold a nearer text.
    void visitLengths(std::size_t source)
    {
        const std::size_t lengths = m_chain.m_lengthStart.size() - 1;
        const std::size_t own = m_chain.m_prepared.letters(source).size();
        for (std::size_t difference = 0; static_cast<int>(difference) <= m_nearest; ++difference) {
            const bool below = difference <= own;
            const bool above = own + difference < lengths;
            if (!below && !above)
                break;
            if (below && own - difference < lengths)
                visitLength(source, own - difference);
            if (above && difference > 0)
                visitLength(source, own + difference);
        }
    }

private:
    // A long length is passed over in parts, so that a nearer text found in one part already cuts
    // the next.
    void visitLength(std::size_t source, std::size_t length)
    {
        static const auto passingSlotsHere = chooseSlotPass();
        constexpr std::size_t part = 1024;
        m_passing.resize(part);
        const std::size_t end = m_chain.m_lengthEnd[length];
        for (std::size_t first = m_chain.m_lengthStart[length]; first < end; first += part) {
            const SlotPass pass{&m_chain.m_signatures[source],
                                m_chain.m_slotSignature.data(),
                                m_chain.m_slotPlace.data(),
                                first,
                                std::min(end, first + part),
                                (std::uint64_t(m_nearest) << 32) | m_bestPlace,
                                static_cast<std::uint32_t>(m_step + 1),
                                m_passing.data()};
            const std::size_t passed = passingSlotsHere(pass);
            for (std::size_t i = 0; i < passed; ++i) {
                const std::uint32_t slot = m_passing[i].first;
                consider(m_chain.m_slotText[slot], m_chain.m_slotPlace[slot], m_passing[i].second);
            }
            measure();
        }
    }

    const MorphologicalChain& m_chain;
    const std::size_t m_step;
    int m_nearest;
    std::size_t m_bestPlace;
    std::array<std::uint32_t, 16> m_batch{};
    std::array<std::size_t, 16> m_batchPlace{};
    std::array<int, 16> m_distances{};
    std::size_t m_batched = 0;
    std::vector<std::pair<std::uint32_t, int>>& m_passing;
};

void MorphologicalChain::step()
{
    const std::size_t k = m_step;
    const std::size_t source = m_textAt[k];
    m_prepared.setSource(source);
    Search search(*this, m_prepared.distanceTo(m_textAt[k + 1]), k + 1, m_passing);
    if (m_prepared.isEmpty(source)) {
        // From an empty text every distance is the other's full length: no bound to help.
        for (std::size_t place = k + 2; place < size(); ++place)
            search.consider(m_textAt[place], place, 0);
        search.measure();
    } else {
        for (const std::size_t text : m_emptyTexts)
            search.consider(text, m_placeOf[text], 0);
        search.measure();
        search.visitLengths(source);
    }
    const std::size_t bestPlace = search.bestPlace();

    const std::size_t best = m_textAt[bestPlace];
    if (bestPlace != k + 1) {
        const std::size_t displaced = m_textAt[k + 1];
        m_textAt[k + 1] = best;
        m_textAt[bestPlace] = displaced;
        m_placeOf[best] = k + 1;
        m_placeOf[displaced] = bestPlace;
        if (!m_prepared.isEmpty(displaced))
            m_slotPlace[m_slotOf[displaced]] = static_cast<std::uint32_t>(bestPlace);
    }
    ++m_step;
    remove(best);
}
