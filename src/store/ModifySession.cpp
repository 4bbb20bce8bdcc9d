#include "ModifySession.h"

#include "CWordStore.h"
#include "ModifyWriteBack.h"

#include <algorithm>
#include <utility>

namespace {

// Light red for no match, green for one, then a cyan that darkens with the number of matches down
// to its shade for 20.
Rgb searchColour(int matches)
{
    if (matches == 0)
        return {255, 150, 150};
    if (matches == 1)
        return {20, 255, 20};
    const auto value = static_cast<std::uint8_t>(255 - 2 * std::min(matches, 20));
    return {0, value, value};
}

// A box as the grid shows it: boxes 1 to 5 for the stored 0 to 4, without overflow at the ends of
// the range a file may hold.
std::u16string boxText(int box)
{
    const std::string digits = std::to_string(static_cast<long long>(box) + 1);
    return {digits.begin(), digits.end()};
}

template <typename Row> auto& cellOf(Row& cells, int column)
{
    switch (column) {
    case 0:
        return cells.text1;
    case 1:
        return cells.box1;
    case 2:
        return cells.text2;
    default:
        return cells.box2;
    }
}

} // namespace

ModifySession::ModifySession(const CWordStore& store)
    : m_store(store), m_count(std::max(store.count(), 0)),
      m_pendingCategories(static_cast<std::size_t>(m_count), -1),
      m_exchanged(static_cast<std::size_t>(m_count), false)
{}

ModifiedRow ModifySession::row(int entry) const
{
    if (const auto changed = m_changedRows.find(entry); changed != m_changedRows.end())
        return changed->second;
    const WordEntry& stored = m_store.entry(static_cast<std::size_t>(entry));
    if (isExchanged(entry))
        return {stored.text2.str(), boxText(stored.box2), stored.text1.str(), boxText(stored.box1)};
    return {stored.text1.str(), boxText(stored.box1), stored.text2.str(), boxText(stored.box2)};
}

ModifiedRow& ModifySession::changedRow(int entry)
{
    if (const auto changed = m_changedRows.find(entry); changed != m_changedRows.end())
        return changed->second;
    return m_changedRows.emplace(entry, row(entry)).first->second;
}

void ModifySession::setCellText(int entry, int column, std::u16string text)
{
    cellOf(changedRow(entry), column) = std::move(text);
}

bool ModifySession::matches(int entry) const
{
    const WordEntry& stored = m_store.entry(static_cast<std::size_t>(entry));
    if (stored.text1.view().find(m_searchText) == std::u16string_view::npos &&
        stored.text2.view().find(m_searchText) == std::u16string_view::npos)
        return false;
    const auto changed = m_changedRows.find(entry);
    if (changed == m_changedRows.end())
        return !stored.text1.empty() && !stored.text2.empty();
    return !changed->second.text1.empty() && !changed->second.text2.empty();
}

ModifySession::SearchLook ModifySession::setSearchText(std::u16string text)
{
    m_searchText = std::move(text);
    m_searchPosition = -1;
    SearchLook look;
    if (m_searchText.empty())
        return look;
    for (int e = 0; e < m_count; ++e) {
        if (matches(e))
            ++look.matches;
    }
    look.colour = searchColour(look.matches);
    if (look.matches >= 2) {
        const std::string digits = std::to_string(look.matches);
        look.countText.assign(digits.begin(), digits.end());
    }
    return look;
}

std::optional<int> ModifySession::findNext()
{
    if (m_searchText.empty() || m_count == 0)
        return std::nullopt;
    ++m_searchPosition;
    for (int i = 0; i < m_count; ++i) {
        const int e = (i + m_searchPosition) % m_count;
        if (matches(e)) {
            m_searchPosition = e;
            return e;
        }
    }
    return std::nullopt;
}

void ModifySession::exchangeLists(int entry)
{
    // A row the user has not changed is shown from the store, exchanged or not by its mark.
    if (const auto changed = m_changedRows.find(entry); changed != m_changedRows.end()) {
        std::swap(changed->second.text1, changed->second.text2);
        std::swap(changed->second.box1, changed->second.box2);
    }
    const auto e = static_cast<std::size_t>(entry);
    m_exchanged[e] = !m_exchanged[e];
}

void ModifySession::emptyRow(int entry)
{
    changedRow(entry) = {};
}

void ModifySession::setPendingCategory(int entry, int category)
{
    m_pendingCategories[static_cast<std::size_t>(entry)] = category;
}

void ModifySession::writeBack(CWordStore& store) const
{
    std::vector<ModifiedRow> rows;
    rows.reserve(static_cast<std::size_t>(m_count));
    for (int entry = 0; entry < m_count; ++entry)
        rows.push_back(row(entry));
    writeBackModifications(store, rows, m_pendingCategories, m_exchanged);
}

std::vector<int> ModifySession::selectedRows(int minRow, int maxRow,
                                             const std::function<bool(int row)>& hasSelectedCell)
{
    std::vector<int> rows;
    for (int row = std::max(1, minRow); row <= maxRow; ++row) {
        if (hasSelectedCell(row))
            rows.push_back(row);
    }
    return rows;
}

DeleteQuestions::DeleteQuestions(std::vector<int> rows, int span)
    : m_rows(std::move(rows)), m_askGroup(span >= 2)
{}

std::optional<DeleteQuestions::Next> DeleteQuestions::next() const
{
    if (m_next >= m_rows.size())
        return std::nullopt;
    return Next{m_askGroup ? Question::WholeGroup : Question::OneRow, m_rows[m_next]};
}

std::vector<int> DeleteQuestions::answer(bool yes)
{
    if (m_next >= m_rows.size())
        return {};
    if (m_askGroup) {
        m_askGroup = false;
        if (!yes)
            return {}; // each row is asked for on its own
        std::vector<int> all(m_rows.begin() + static_cast<std::ptrdiff_t>(m_next), m_rows.end());
        m_next = m_rows.size();
        return all;
    }
    const int row = m_rows[m_next++];
    return yes ? std::vector<int>{row} : std::vector<int>{};
}
