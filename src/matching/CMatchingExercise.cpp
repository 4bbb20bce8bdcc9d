#include "CMatchingExercise.h"

#include "CWordStore.h"
#include "ExchangeSort.h"
#include "RandomSource.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <utility>

void CMatchingExercise::loadRows(const CWordStore& store, const ConfirmCallback& confirm,
                                 const ProgressCallback& progress)
{
    fillRows(store);
    orderRows(confirm, progress);
}

void CMatchingExercise::fillRows(const CWordStore& store)
{
    m_rows.clear();
    m_rows.reserve(store.entries().size());
    for (const WordEntry& entry : store.entries())
        m_rows.push_back({entry.text1.str(), entry.text2.str(), {}, entry.category});
    m_rowCount = capacity();
    mergeDuplicateRows();
}

void CMatchingExercise::mergeDuplicateRows()
{
    mergePass(&MatchRow::leftText, &MatchRow::answerText);
    mergePass(&MatchRow::answerText, &MatchRow::leftText);
}

// Each row found equal to an earlier one is joined into it and replaced by the last row, which is
// compared next in its new place. Rows whose key no other row shares are passed over: for the others,
// the places of the rows of each key are kept in order, so that the next row equal to row i, the one
// the plain scan from i + 1 would find, is the first place after i.
void CMatchingExercise::mergePass(std::u16string MatchRow::*key, std::u16string MatchRow::*joined)
{
    constexpr int unique = -1;
    std::vector<int> keyOf(static_cast<std::size_t>(m_rowCount), unique);
    std::vector<std::set<int>> placesOf;
    {
        std::unordered_map<std::u16string_view, int> firstOf;
        for (int row = 0; row < m_rowCount; ++row) {
            const auto [found, added] = firstOf.try_emplace(at(row).*key, row);
            if (added)
                continue;
            int& first = keyOf[static_cast<std::size_t>(found->second)];
            if (first == unique) {
                first = static_cast<int>(placesOf.size());
                placesOf.push_back({found->second});
            }
            keyOf[static_cast<std::size_t>(row)] = first;
            placesOf[static_cast<std::size_t>(first)].insert(row);
        }
    }
    if (placesOf.empty())
        return;
    for (int i = 0; i < m_rowCount - 1; ++i) {
        const int rowKey = keyOf[static_cast<std::size_t>(i)];
        if (rowKey == unique)
            continue;
        std::set<int>& places = placesOf[static_cast<std::size_t>(rowKey)];
        for (auto next = places.upper_bound(i); next != places.end(); next = places.upper_bound(i)) {
            const int b = *next;
            std::u16string& into = at(i).*joined;
            into += u'/';
            into += at(b).*joined;
            places.erase(next);
            const int last = m_rowCount - 1;
            if (b != last) {
                const int movedKey = keyOf[static_cast<std::size_t>(last)];
                if (movedKey != unique) {
                    placesOf[static_cast<std::size_t>(movedKey)].erase(last);
                    placesOf[static_cast<std::size_t>(movedKey)].insert(b);
                }
                keyOf[static_cast<std::size_t>(b)] = movedKey;
                at(b) = std::move(at(last));
            }
            at(last) = MatchRow();
            --m_rowCount;
        }
    }
}

bool CMatchingExercise::hasEqualKeys(std::u16string MatchRow::*key) const
{
    std::unordered_set<std::u16string_view> keys;
    keys.reserve(static_cast<std::size_t>(m_rowCount));
    for (int i = 0; i < m_rowCount; ++i) {
        if (!keys.insert(m_rows[static_cast<std::size_t>(i)].*key).second)
            return true;
    }
    return false;
}

void CMatchingExercise::orderRows(const ConfirmCallback& confirm, const ProgressCallback& progress)
{
    std::optional<MorphologicalChain> chain = startOrdering(confirm);
    if (!chain)
        return;
    while (!chain->isFinished()) {
        if (progress)
            progress(chain->progressPercent());
        chain->advance(1);
    }
    finishOrdering(*chain);
}

std::optional<MorphologicalChain> CMatchingExercise::startOrdering(const ConfirmCallback& confirm)
{
    if (m_rowOrder == RowOrder::Morphological && m_rowCount > mostRowsWithoutConfirmation && confirm &&
        !confirm())
        m_rowOrder = RowOrder::Alphabetical;
    switch (m_rowOrder) {
    case RowOrder::Alphabetical:
        orderAlphabetically();
        break;
    case RowOrder::Morphological: {
        std::vector<std::u16string_view> texts;
        texts.reserve(static_cast<std::size_t>(m_rowCount));
        for (int i = 0; i < m_rowCount; ++i)
            texts.push_back(at(i).leftText);
        return MorphologicalChain(texts);
    }
    case RowOrder::ByCategory:
        orderByCategory();
        break;
    }
    return std::nullopt;
}

void CMatchingExercise::finishOrdering(const MorphologicalChain& chain)
{
    const std::vector<std::size_t>& order = chain.order();
    if (!chain.isFinished() || order.size() != static_cast<std::size_t>(m_rowCount))
        return;
    std::vector<MatchRow> ordered;
    ordered.reserve(order.size());
    for (const std::size_t row : order)
        ordered.push_back(std::move(m_rows[row]));
    std::move(ordered.begin(), ordered.end(), m_rows.begin());
}

void CMatchingExercise::cancelOrdering()
{
    m_rowOrder = RowOrder::Alphabetical;
    orderAlphabetically();
}

// An exchange sort: which of several equal texts comes first depends on exactly these exchanges.
// When all texts differ, the only ascending arrangement is reached faster by any sort.
void CMatchingExercise::orderAlphabetically()
{
    const auto first = m_rows.begin();
    const auto last = first + m_rowCount;
    if (!hasEqualKeys(&MatchRow::leftText)) {
        std::sort(first, last, [](const MatchRow& a, const MatchRow& b) { return a.leftText < b.leftText; });
        return;
    }
    // The exchanges depend only on which text sorts before which: the same exchanges on the texts'
    // ranks, found without comparing every pair.
    std::vector<std::u16string_view> texts;
    texts.reserve(static_cast<std::size_t>(m_rowCount));
    for (int i = 0; i < m_rowCount; ++i)
        texts.push_back(at(i).leftText);
    std::vector<std::u16string_view> sorted = texts;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    std::vector<int> ranks;
    ranks.reserve(texts.size());
    for (const std::u16string_view text : texts)
        ranks.push_back(
            static_cast<int>(std::lower_bound(sorted.begin(), sorted.end(), text) - sorted.begin()));
    exchangeSortByKey(std::move(ranks),
                      [this](std::size_t k, std::size_t i) { std::swap(m_rows[k], m_rows[i]); });
}

void CMatchingExercise::orderByCategory()
{
    std::vector<int> categories;
    categories.reserve(static_cast<std::size_t>(m_rowCount));
    for (int i = 0; i < m_rowCount; ++i)
        categories.push_back(at(i).category);
    exchangeSortByKey(std::move(categories),
                      [this](std::size_t k, std::size_t i) { std::swap(m_rows[k], m_rows[i]); });
}

bool CMatchingExercise::restrictToRows(int first, int last, const SelectionCallback& selected)
{
    if (first < 0 || last < 0 || first > last)
        return false;
    if (first == 0)
        first = 1;
    if (first >= last - 1)
        return false;
    std::vector<MatchRow> kept;
    for (int r = first; r <= last && r <= m_rowCount; ++r) {
        if (selected(r))
            kept.push_back({at(r - 1).leftText, at(r - 1).answerText, {}, at(r - 1).category});
    }
    if (kept.size() < static_cast<std::size_t>(fewestRows))
        return false;
    m_rowCount = static_cast<int>(kept.size());
    kept.resize(m_rows.size());
    m_rows = std::move(kept);
    return true;
}

void CMatchingExercise::shuffleAnswers(RandomSource& random, int todayDay)
{
    if (m_rowCount < 1 || m_rowCount > mostPlayableRows)
        return;
    for (int i = 0; i < m_rowCount; ++i)
        at(i).shownText = at(i).answerText;

    int c = random.draw() % std::max(todayDay, 1);
    for (int repetition = 0; repetition < m_rowCount; ++repetition) {
        const int e = (random.draw() + c) % m_rowCount;
        c = random.draw() % m_rowCount;
        if (at(c).shownText != at(e).answerText && at(e).shownText != at(c).answerText)
            std::swap(at(e).shownText, at(c).shownText);
    }
    // A single row has no other row to take an answer from.
    if (m_rowCount < 2)
        return;
    for (int x = 0; x < m_rowCount; ++x) {
        if (!at(x).isCorrect())
            continue;
        int f = random.draw() % m_rowCount;
        while (f == x)
            f = random.draw() % m_rowCount;
        if (at(x).shownText != at(f).answerText)
            std::swap(at(x).shownText, at(f).shownText);
    }
}

std::optional<int> CMatchingExercise::applyDrop(int t, std::u16string_view text)
{
    if (m_rowCount > mostPlayableRows || t < 0 || t >= m_rowCount)
        return std::nullopt;
    for (int j = 0; j < m_rowCount; ++j) {
        if (at(j).shownText == text) {
            std::u16string dropped(text);
            at(j).shownText = std::move(at(t).shownText);
            at(t).shownText = std::move(dropped);
            return j;
        }
    }
    return std::nullopt;
}

int CMatchingExercise::correctCount() const
{
    return static_cast<int>(std::count_if(m_rows.begin(), m_rows.begin() + m_rowCount,
                                          [](const MatchRow& row) { return row.isCorrect(); }));
}

int CMatchingExercise::scorePercent() const
{
    return m_rowCount > 0 ? correctCount() * 100 / m_rowCount : 0;
}

void CMatchingExercise::exchangeRows(int i, int j)
{
    if (i < 0 || j < 0 || i >= capacity() || j >= capacity())
        return;
    std::swap(at(i), at(j));
}
