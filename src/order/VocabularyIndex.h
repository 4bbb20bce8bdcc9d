#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

class CWordStore;

// Finds the entries of a word store whose texts match given texts as TextsMatch compares them, in a
// few steps whatever the size of the store: a hash of the prepared texts leads to the entries that
// may match, in store order, and TextsMatch confirms each. It follows the store as long as entries
// are only appended; a store that has shrunk is indexed afresh. Entries changed in place are not seen.
class VocabularyIndex final
{
public:
    explicit VocabularyIndex(const CWordStore& store);

    // The first entry, in store order, whose list-1 text matches text1.
    std::optional<std::size_t> firstWithText1(std::u16string_view text1);
    // Whether one of the first `among` entries matches text1 in list 1 and text2 in list 2.
    bool holdsPair(std::u16string_view text1, std::u16string_view text2, std::size_t among);

private:
    // Entries with the same hash linked in store order.
    struct Chains
    {
        std::unordered_map<std::uint64_t, std::pair<std::uint32_t, std::uint32_t>> firstAndLast;
        std::vector<std::uint32_t> next;

        void append(std::uint64_t hash, std::uint32_t entry);
        std::uint32_t first(std::uint64_t hash) const;
    };

    void catchUp();

    const CWordStore& m_store;
    std::size_t m_indexed = 0;
    Chains m_byText1;
    Chains m_byPair;
};
