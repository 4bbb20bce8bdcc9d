#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>

class CWordStore;

// The twelve names a data set carries: its two lists and its ten categories. Copy them out of the
// store, change the copy, check that the file can hold every name, then write the copy back whole.
// Names are indexed in the order the user meets them: 0 and 1 the lists, 2 to 11 categories 1 to 10.
class DataSetNames final
{
public:
    static constexpr int count = 12;

    static constexpr int listIndex(int list) { return list - 1; }
    static constexpr int categoryIndex(int category) { return category + 1; }

    static DataSetNames fromStore(const CWordStore& store);

    const std::u16string& name(int index) const { return m_names.at(index); }
    void setName(int index, std::u16string name) { m_names.at(index) = std::move(name); }

    // The index of the first name holding ";" or a line break, which the data-set file cannot hold.
    std::optional<int> firstUnstorable() const;
    // Writes every name into the store exactly as it is, blanks and empty names included.
    void applyTo(CWordStore& store) const;

    bool operator==(const DataSetNames&) const = default;

private:
    std::array<std::u16string, count> m_names;
};
