#include "ImportPlan.h"

#include <gtest/gtest.h>

namespace {

constexpr CalendarDate today{1, 3, 2024};

ImportedTable tableOf(std::vector<std::vector<std::u16string>> rows, std::vector<int> lessons = {})
{
    ImportedTable table;
    for (std::size_t i = 0; i < rows.size(); ++i)
        table.rows.push_back({std::move(rows[i]), i < lessons.size() ? lessons[i] : -1});
    return table;
}

WordEntry stored(std::u16string text1, std::u16string text2)
{
    WordEntry entry;
    entry.text1 = std::move(text1);
    entry.text2 = std::move(text2);
    entry.box1 = 3;
    return entry;
}

} // namespace

TEST(ImportPlan, LeavesOutStoredEmptyAndUnstorableRowsAndAppendsTheRestDueAtOnce)
{
    CWordStore store(today, u"/tmp");
    store.replaceEntries({stored(u"Chat", u"Kato")});
    store.setListName1(u"Franca");
    store.setListName2(u"Esperanto");
    const ImportedTable table = tableOf({{u"fr", u"eo"},
                                         {u"Chat (animal)", u"Kato  "},
                                         {u"Chien", u"Hundo"},
                                         {u"Chien", u"Hundo (besto)"},
                                         {u"Pomme", u""},
                                         {u"oui;si", u"jes\r\nja"},
                                         {u"x\x01", u"y", u"z"}});
    ImportChoices choices = defaultImportChoices(table, store);
    EXPECT_FALSE(choices.firstRowIsHeader);
    choices.firstRowIsHeader = true;

    ImportPreview preview = previewImport(table, store, choices);
    EXPECT_FALSE(preview.namesChange) << "a data set with entries keeps its own list names";
    const std::vector<PreviewRow> expected = {
        {u"Chat (animal)", u"Kato  ", 0, RowFate::AlreadyStored},   {u"Chien", u"Hundo", 0, RowFate::Taken},
        {u"Chien", u"Hundo (besto)", 0, RowFate::AlreadyStored},    {u"Pomme", u"", 0, RowFate::EmptyText},
        {u"oui,si", u"jes / ja", 0, RowFate::TakenWithSubstitutes}, {u"x", u"y", 0, RowFate::Taken}};
    EXPECT_EQ(expected, preview.rows);

    choices.unstorable = ImportChoices::Unstorable::Skip;
    choices.skipStoredPairs = false;
    preview = previewImport(table, store, choices);
    EXPECT_EQ(RowFate::Taken, preview.rows[0].fate);
    EXPECT_EQ(RowFate::Unstorable, preview.rows[4].fate);
    EXPECT_EQ(4, preview.takenCount());

    choices.column1 = 2;
    choices.column2 = 0;
    EXPECT_EQ((PreviewRow{u"z", u"x", 0, RowFate::Taken}), previewImport(table, store, choices).rows.back());

    EXPECT_EQ(4, applyImport(store, preview));
    ASSERT_EQ(5, store.count());
    WordEntry due = stored(u"Chien", u"Hundo");
    due.box1 = 0;
    due.setBothAnswerDates(store.defaultAnswerDate());
    EXPECT_EQ(due, store.entry(2));
    EXPECT_EQ(u"Franca", store.listName1());
}

TEST(ImportPlan, GivesLessonsFreeCategoriesAndCountsThoseLeftWithout)
{
    CWordStore store(today, u"/tmp");
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    for (int category = 1; category <= 8; ++category)
        store.setCategoryName(category, u"k" + std::u16string(1, static_cast<char16_t>(u'0' + category)));
    ImportedTable table =
        tableOf({{u"a", u"1"}, {u"b", u"2"}, {u"c", u"3"}, {u"d", u"4"}, {u"e", u"5"}, {u"f", u"6"}},
                {0, 1, 2, 3, 4, -1});
    table.lessonNames = {u"k3", u"", u"Sen kategorio", u"nova", u"alia"};
    table.columnNames = {u"Angla", u"Esperanto"};

    const ImportPreview preview = previewImport(table, store, defaultImportChoices(table, store));
    std::vector<int> categories;
    for (const PreviewRow& row : preview.rows)
        categories.push_back(row.category);
    EXPECT_EQ((std::vector<int>{3, 9, 0, 10, 0, 0}), categories);
    EXPECT_EQ(u"Leciono 2", preview.categoryNames[8]);
    EXPECT_EQ(u"nova", preview.categoryNames[9]);
    EXPECT_EQ(1, preview.lessonsWithoutCategory);
    EXPECT_TRUE(preview.namesChange);

    applyImport(store, preview);
    EXPECT_EQ(u"Angla", store.listName1());
    EXPECT_EQ(u"nova", store.categoryName(10));
    EXPECT_EQ(10, store.entry(3).category);
}
