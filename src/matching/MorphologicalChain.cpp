#include "MorphologicalChain.h"

#include "EntryEquality.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define ZENVALO_CHAIN_AVX2 1
#endif

namespace {

// Counts are capped to fit half a byte: the slots hold two to a byte, count i in the low half of
// byte i and count i + 16 in the high half.
constexpr int largestCount = 15;

using Counts = std::array<std::uint8_t, 32>;

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

// One pass over some slots of one length: which of them may be as near to the source as the best so
// far, by their counts. bound << 32 | slot is written to passing for each slot whose bound is at most
// nearest; the places are left to the caller. Most slots fail, so the pass decides without branches.
struct SlotPass
{
    const Counts* source;
    // Per slot, bytes 0 to 7 and 8 to 15 of its packed counts, apart so that a vector register holds
    // the same half of several slots.
    std::array<const std::uint64_t*, 2> counts;
    std::size_t first;
    std::size_t end;
    int nearest;
    std::uint64_t* passing;
};

inline std::size_t keep(const SlotPass& pass, std::size_t slot, int bound, std::size_t passed)
{
    pass.passing[passed] = (std::uint64_t(static_cast<std::uint32_t>(bound)) << 32) | slot;
    return passed + static_cast<std::size_t>(bound <= pass.nearest);
}

#if defined(__SSE2__)
// The sum of the differences of the counts with two psadbw.
std::size_t passingSlots(SlotPass pass)
{
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pass.source->data()));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pass.source->data() + 16));
    const __m128i nibbles = _mm_set1_epi8(0x0F);
    std::size_t passed = 0;
    for (std::size_t slot = pass.first; slot < pass.end; ++slot) {
        const __m128i packed =
            _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(pass.counts[0] + slot)),
                               _mm_loadl_epi64(reinterpret_cast<const __m128i*>(pass.counts[1] + slot)));
        const __m128i sums =
            _mm_add_epi64(_mm_sad_epu8(_mm_and_si128(packed, nibbles), low),
                          _mm_sad_epu8(_mm_and_si128(_mm_srli_epi16(packed, 4), nibbles), high));
        const int bound = _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums));
        passed = keep(pass, slot, bound, passed);
    }
    return passed;
}
#else
std::size_t passingSlots(SlotPass pass)
{
    const Counts& a = *pass.source;
    std::size_t passed = 0;
    for (std::size_t slot = pass.first; slot < pass.end; ++slot) {
        int bound = 0;
        for (std::size_t i = 0; i < 16; ++i) {
            const auto packed = static_cast<int>((pass.counts[i / 8][slot] >> (8 * (i % 8))) & 0xFF);
            bound += std::abs(a[i] - (packed & 0x0F)) + std::abs(a[i + 16] - (packed >> 4));
        }
        passed = keep(pass, slot, bound, passed);
    }
    return passed;
}
#endif

#if defined(ZENVALO_CHAIN_AVX2)
// The source's counts that meet the given half of a slot's packed counts in its low and high
// nibbles, in every 64-bit word of a register.
std::uint64_t sourceHalf(const Counts& source, std::size_t half, bool highNibbles)
{
    std::uint64_t bytes = 0;
    for (std::size_t i = 0; i < 8; ++i)
        bytes |= std::uint64_t(source[8 * half + i + (highNibbles ? 16 : 0)]) << (8 * i);
    return bytes;
}

// Four slots at a time, the bounds summed in vector registers: more than twice as fast where the
// processor has AVX2, which is checked once at run time.
__attribute__((target("avx2"))) std::size_t passingSlotsAvx2(SlotPass pass)
{
    __m256i source[4];
    for (std::size_t i = 0; i < 4; ++i)
        source[i] = _mm256_set1_epi64x(static_cast<long long>(sourceHalf(*pass.source, i / 2, i % 2 == 1)));
    const __m256i nibbles = _mm256_set1_epi8(0x0F);
    const __m256i nearest = _mm256_set1_epi64x(pass.nearest);
    __m256i slots = _mm256_setr_epi64x(0, 1, 2, 3);
    slots = _mm256_add_epi64(slots, _mm256_set1_epi64x(static_cast<long long>(pass.first)));
    std::size_t passed = 0;
    std::size_t slot = pass.first;
    for (; slot + 4 <= pass.end; slot += 4) {
        __m256i sums = _mm256_setzero_si256();
        for (std::size_t half = 0; half < 2; ++half) {
            const __m256i packed =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pass.counts[half] + slot));
            sums =
                _mm256_add_epi64(sums, _mm256_sad_epu8(_mm256_and_si256(packed, nibbles), source[2 * half]));
            sums = _mm256_add_epi64(sums,
                                    _mm256_sad_epu8(_mm256_and_si256(_mm256_srli_epi16(packed, 4), nibbles),
                                                    source[2 * half + 1]));
        }
        const int fails = _mm256_movemask_pd(_mm256_castsi256_pd(_mm256_cmpgt_epi64(sums, nearest)));
        alignas(32) std::array<std::uint64_t, 4> entries;
        _mm256_store_si256(reinterpret_cast<__m256i*>(entries.data()),
                           _mm256_or_si256(_mm256_slli_epi64(sums, 32), slots));
        slots = _mm256_add_epi64(slots, _mm256_set1_epi64x(4));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            pass.passing[passed] = entries[i];
            passed += static_cast<std::size_t>(((fails >> i) & 1) ^ 1);
        }
    }
    pass.first = slot;
    pass.passing += passed;
    return passed + passingSlots(pass);
}

// Eight slots at a time, the passing ones packed into place by the processor; each store writes a
// whole register, up to eight entries past the last passing slot.
__attribute__((target("avx512f,avx512bw"))) std::size_t passingSlotsAvx512(SlotPass pass)
{
    __m512i source[4];
    for (std::size_t i = 0; i < 4; ++i)
        source[i] = _mm512_set1_epi64(static_cast<long long>(sourceHalf(*pass.source, i / 2, i % 2 == 1)));
    const __m512i nibbles = _mm512_set1_epi8(0x0F);
    const __m512i nearest = _mm512_set1_epi64(pass.nearest);
    __m512i slots = _mm512_setr_epi64(0, 1, 2, 3, 4, 5, 6, 7);
    slots = _mm512_add_epi64(slots, _mm512_set1_epi64(static_cast<long long>(pass.first)));
    std::size_t passed = 0;
    std::size_t slot = pass.first;
    for (; slot + 8 <= pass.end; slot += 8) {
        __m512i sums = _mm512_setzero_si512();
        for (std::size_t half = 0; half < 2; ++half) {
            const __m512i packed = _mm512_loadu_si512(pass.counts[half] + slot);
            sums =
                _mm512_add_epi64(sums, _mm512_sad_epu8(_mm512_and_si512(packed, nibbles), source[2 * half]));
            sums = _mm512_add_epi64(sums,
                                    _mm512_sad_epu8(_mm512_and_si512(_mm512_srli_epi16(packed, 4), nibbles),
                                                    source[2 * half + 1]));
        }
        const __mmask8 passes = _mm512_cmple_epu64_mask(sums, nearest);
        // The masked shift: g++ 12 warns wrongly about the unmasked one.
        const __m512i entries = _mm512_or_si512(_mm512_maskz_slli_epi64(0xFF, sums, 32), slots);
        _mm512_storeu_si512(pass.passing + passed, _mm512_maskz_compress_epi64(passes, entries));
        passed += static_cast<std::size_t>(__builtin_popcount(passes));
        slots = _mm512_add_epi64(slots, _mm512_set1_epi64(8));
    }
    pass.first = slot;
    pass.passing += passed;
    return passed + passingSlots(pass);
}
#endif

std::size_t passingSlots(SlotPass pass, MorphologicalChain::Instructions instructions)
{
#if defined(ZENVALO_CHAIN_AVX2)
    if (instructions == MorphologicalChain::Instructions::Avx512)
        return passingSlotsAvx512(pass);
    if (instructions == MorphologicalChain::Instructions::Avx2)
        return passingSlotsAvx2(pass);
#else
    static_cast<void>(instructions);
#endif
    return passingSlots(pass);
}

// The texts' indices in the order of the lengths of their prepared texts, which is how the chain
// numbers the texts, so that the letters of the texts of one length lie together in memory.
std::vector<std::size_t> byPreparedLength(const std::vector<std::u16string_view>& texts)
{
    std::vector<std::size_t> lengths(texts.size());
    std::vector<std::size_t> order(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        lengths[i] = preparedView(texts[i]).size();
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return lengths[a] < lengths[b]; });
    return order;
}

std::vector<std::u16string_view> arranged(const std::vector<std::u16string_view>& texts,
                                          const std::vector<std::size_t>& order)
{
    std::vector<std::u16string_view> result;
    result.reserve(order.size());
    for (const std::size_t index : order)
        result.push_back(texts[index]);
    return result;
}

} // namespace

// The widest instructions asked for that the processor has.
MorphologicalChain::Instructions MorphologicalChain::usable(Instructions instructions)
{
#if defined(ZENVALO_CHAIN_AVX2)
    const bool widest = instructions == Instructions::Widest;
    if ((widest || instructions == Instructions::Avx512) && __builtin_cpu_supports("avx512bw"))
        return Instructions::Avx512;
    if ((widest || instructions >= Instructions::Avx2) && __builtin_cpu_supports("avx2"))
        return Instructions::Avx2;
#else
    static_cast<void>(instructions);
#endif
    return Instructions::Plain;
}

// Lower bounds: TextDistance of two non-empty texts is at least the edit distance of their folded
// texts, m + n - 2 * LCS, and the common subsequence holds at most min(a_c, b_c) of each letter c, so
// the distance is at least the sum over letters of |a_c - b_c|. Adding letters up into buckets, and
// capping the counts, only lowers that sum. The difference of the lengths is a bound of its own.
MorphologicalChain::MorphologicalChain(const std::vector<std::u16string_view>& texts,
                                       Instructions instructions)
    : m_originalOf(byPreparedLength(texts)), m_prepared(arranged(texts, m_originalOf)),
      m_instructions(usable(instructions))
{
    const std::size_t count = texts.size();
    m_textAt.resize(count);
    m_placeOf.resize(count);
    m_order.resize(count);
    for (std::size_t text = 0; text < count; ++text) {
        const std::size_t place = m_originalOf[text];
        m_textAt[place] = text;
        m_placeOf[text] = place;
        m_order[place] = place;
    }

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
    // The texts are numbered by length already. The first text starts the chain and is never a
    // candidate.
    for (std::size_t text = 0; text < count; ++text) {
        if (m_placeOf[text] == 0)
            continue;
        if (m_prepared.isEmpty(text))
            m_emptyTexts.push_back(text);
        else
            m_slotText.push_back(static_cast<std::uint32_t>(text));
    }
    for (auto& half : m_slotCounts)
        half.resize(m_slotText.size());
    m_slotPlace.resize(m_slotText.size());
    const std::size_t longest = m_slotText.empty() ? 0 : m_prepared.letters(m_slotText.back()).size();
    m_lengthStart.assign(longest + 2, 0);
    std::size_t slot = 0;
    for (std::size_t length = 0; length <= longest + 1; ++length) {
        m_lengthStart[length] = slot;
        while (slot < m_slotText.size() && m_prepared.letters(m_slotText[slot]).size() == length) {
            const std::uint32_t text = m_slotText[slot];
            for (std::size_t i = 0; i < 16; ++i) {
                const auto packed = std::uint64_t(m_signatures[text][i] | (m_signatures[text][i + 16] << 4));
                m_slotCounts[i / 8][slot] |= packed << (8 * (i % 8));
            }
            m_slotPlace[slot] = static_cast<std::uint32_t>(m_placeOf[text]);
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
    for (auto& half : m_slotCounts)
        half[slot] = half[last];
    m_slotPlace[slot] = m_slotPlace[last];
    m_slotOf[m_slotText[slot]] = slot;
}

// The search for the nearest remaining text of one step.
class MorphologicalChain::Search
{
public:
    // passing: scratch kept from step to step.
    Search(const MorphologicalChain& chain, int nearest, std::size_t bestPlace,
           std::vector<std::uint64_t>& passing)
        : m_chain(chain), m_step(chain.m_step), m_nearest(nearest), m_bestPlace(bestPlace), m_passing(passing)
    {}

    int nearest() const { return m_nearest; }
    std::size_t bestPlace() const { return m_bestPlace; }

    // A candidate replaces the best only with a smaller distance, or an equal one at a lower place.
    // Decided without branches: the candidates that pass are hard to foresee.
    void consider(std::size_t text, std::size_t place, int bound)
    {
        const bool nearer = bound < m_nearest || (bound == m_nearest && place < m_bestPlace);
        m_batch[m_batched] = static_cast<std::uint32_t>(text);
        m_batchPlace[m_batched] = place;
        m_batched += static_cast<std::size_t>(nearer & (place != m_step + 1));
        if (m_batched == m_batch.size())
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
        constexpr std::size_t part = 1024;
        // Room for the whole register the four-slot pass stores after the last passing slot.
        m_passing.resize(part + 8);
        const std::size_t end = m_chain.m_lengthEnd[length];
        for (std::size_t first = m_chain.m_lengthStart[length]; first < end; first += part) {
            const SlotPass pass{&m_chain.m_signatures[source],
                                {m_chain.m_slotCounts[0].data(), m_chain.m_slotCounts[1].data()},
                                first,
                                std::min(end, first + part),
                                m_nearest,
                                m_passing.data()};
            const std::size_t passed = passingSlots(pass, m_chain.m_instructions);
            for (std::size_t i = 0; i < passed; ++i) {
                const auto slot = static_cast<std::uint32_t>(m_passing[i]);
                consider(m_chain.m_slotText[slot], m_chain.m_slotPlace[slot],
                         static_cast<int>(m_passing[i] >> 32));
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
    std::vector<std::uint64_t>& m_passing;
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
        std::swap(m_order[k + 1], m_order[bestPlace]);
        if (!m_prepared.isEmpty(displaced))
            m_slotPlace[m_slotOf[displaced]] = static_cast<std::uint32_t>(bestPlace);
    }
    ++m_step;
    remove(best);
}
