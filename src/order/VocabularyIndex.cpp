#include "VocabularyIndex.h"

#include "CWordStore.h"
#include "EntryEquality.h"

#include <functional>
#include <string_view>

namespace {

constexpr std::uint32_t noEntry = UINT32_MAX;

// Matching texts have equal prepared texts, so equal hashes.
std::uint64_t textHash(std::u16string_view text)
{
    return std::hash<std::u16string_view>()(preparedView(text));
}

std::uint64_t pairHash(std::u16string_view text1, std::u16string_view text2)
{
    return textHash(text1) * 0x9E3779B97F4A7C15ULL ^ textHash(text2);
}

} // namespace

void VocabularyIndex::Chains::append(std::uint64_t hash, std::uint32_t entry)
{
    next.push_back(noEntry);
    const auto [found, added] = firstAndLast.try_emplace(hash, entry, entry);
    if (!added) {
        next[found->second.second] = entry;
        found->second.second = entry;
    }
}

std::uint32_t VocabularyIndex::Chains::first(std::uint64_t hash) const
{
    const auto found = firstAndLast.find(hash);
    return found == firstAndLast.end() ? noEntry : found->second.first;
}

VocabularyIndex::VocabularyIndex(const CWordStore& store) : m_store(store)
{
    catchUp();
}

void VocabularyIndex::catchUp()
{
    const auto& entries = m_store.entries();
    if (entries.size() < m_indexed) {
        m_indexed = 0;
        m_byText1 = {};
        m_byPair = {};
    }
    if (m_indexed == 0) {
        m_byText1.firstAndLast.reserve(entries.size());
        m_byPair.firstAndLast.reserve(entries.size());
    }
    for (; m_indexed < entries.size(); ++m_indexed) {
        const WordEntry& entry = entries[m_indexed];
        const auto index = static_cast<std::uint32_t>(m_indexed);
        m_byText1.append(textHash(entry.text1), index);
        m_byPair.append(pairHash(entry.text1, entry.text2), index);
    }
}

std::optional<std::size_t> VocabularyIndex::firstWithText1(std::u16string_view text1)
{
    catchUp();
    const auto& entries = m_store.entries();
    for (std::uint32_t i = m_byText1.first(textHash(text1)); i != noEntry; i = m_byText1.next[i]) {
        if (TextsMatch(entries[i].text1, text1))
            return i;
    }
    return std::nullopt;
}

bool VocabularyIndex::holdsPair(std::u16string_view text1, std::u16string_view text2, std::size_t among)
{
    catchUp();
    const auto& entries = m_store.entries();
    for (std::uint32_t i = m_byPair.first(pairHash(text1, text2)); i != noEntry && i < among;
         i = m_byPair.next[i]) {
        if (TextsMatch(entries[i].text1, text1) && TextsMatch(entries[i].text2, text2))
            return true;
    }
    return false;
}
