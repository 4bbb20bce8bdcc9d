#pragma once

#include "MatchRow.h"
#include "MorphologicalChain.h"

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

class CWordStore;
class RandomSource;

// The orders of the exercise's rows, numbered as the dialog's radio buttons.
enum class RowOrder
{
    Alphabetical = 0,  // "Alfabete": by list-1 text, code unit by code unit
    Morphological = 1, // "Morfologie": each row followed by the remaining one written most like it
    ByCategory = 2     // "Laŭkategorie"
};

// The table of the pairing game "Kiu kies ?": the list-1 texts of some entries beside their list-2
// texts in a scrambled arrangement, which the learner exchanges until every row is right.
// It reads the word store when loaded and never writes to it. Rows move only as wholes.
class CMatchingExercise final
{
public:
    static constexpr int fewestRows = 3;
    static constexpr int mostPlayableRows = 20;
    static constexpr int mostRowsWithoutConfirmation = 1100;

    // Asked before the morphological order of a large table; false orders alphabetically instead.
    using ConfirmCallback = std::function<bool()>;
    // Told the share of the morphological order done, 0 to 100, before each of its steps.
    using ProgressCallback = std::function<void(int percent)>;
    // Whether a grid row is selected; grid row 0 is the header, grid row r shows row r - 1.
    using SelectionCallback = std::function<bool(int gridRow)>;

    // Row places: the store's count when loaded; places from rowCount() on hold empty texts.
    int capacity() const { return static_cast<int>(m_rows.size()); }
    int rowCount() const { return m_rowCount; }
    const std::vector<MatchRow>& rows() const { return m_rows; }
    const MatchRow& row(int index) const { return m_rows[static_cast<std::size_t>(index)]; }
    RowOrder rowOrder() const { return m_rowOrder; }
    void setRowOrder(RowOrder order) { m_rowOrder = order; }
    // 3 to 20 rows take part.
    bool isPlayable() const { return m_rowCount >= fewestRows && m_rowCount <= mostPlayableRows; }

    // One row per entry of the store, then merged and ordered. Empty callbacks confirm and stay silent.
    void loadRows(const CWordStore& store, const ConfirmCallback& confirm = {},
                  const ProgressCallback& progress = {});
    // loadRows without the ordering: one row per entry of the store, merged.
    void fillRows(const CWordStore& store);
    // Joins the answers of rows with equal list-1 texts with "/", then the list-1 texts of rows with
    // equal answers, so that every answer belongs to exactly one row.
    void mergeDuplicateRows();
    void orderRows(const ConfirmCallback& confirm = {}, const ProgressCallback& progress = {});

    // The same ordering in three calls, for a window that computes the chain in slices and lets the
    // user stop it. Every order but "Morfologie" is done at once and gives nothing; so does a
    // refused confirmation, after which the rows are ordered alphabetically. Otherwise the result is
    // the chain to advance: the rows stay as they are until finishOrdering(chain) or cancelOrdering().
    std::optional<MorphologicalChain> startOrdering(const ConfirmCallback& confirm = {});
    // Puts the rows in the order of a finished chain from startOrdering().
    void finishOrdering(const MorphologicalChain& chain);
    // Gives up the chain: "Alfabete" instead, as when the confirmation is refused.
    void cancelOrdering();
    // Keeps only the selected grid rows from first to last, in their order, with no answers shown.
    // Refused (false, nothing changed) unless at least three rows are selected.
    bool restrictToRows(int first, int last, const SelectionCallback& selected);
    // Shows every answer in some other row. todayDay: the word store's day of the month.
    // Does nothing unless 1 to 20 rows take part.
    void shuffleAnswers(RandomSource& random, int todayDay);
    // Row t has received text by a drop: the row that showed text gets t's former text in exchange.
    // Returns that partner row; nothing when no row showed text, or more than 20 rows take part.
    std::optional<int> applyDrop(int t, std::u16string_view text);
    int correctCount() const;
    // correctCount() * 100 / rowCount(), rounded down; 0 for an empty table.
    int scorePercent() const;
    void exchangeRows(int i, int j);

private:
    bool hasEqualKeys(std::u16string MatchRow::*key) const;
    void mergePass(std::u16string MatchRow::*key, std::u16string MatchRow::*joined);
    void orderAlphabetically();
    void orderByCategory();
    MatchRow& at(int index) { return m_rows[static_cast<std::size_t>(index)]; }

    std::vector<MatchRow> m_rows;
    int m_rowCount = 0;
    RowOrder m_rowOrder = RowOrder::Alphabetical;
};
