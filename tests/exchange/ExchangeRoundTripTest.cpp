#include "DataSetExport.h"
#include "ImportPlan.h"
#include "ImportReader.h"

#include "CWordStore.h"
#include "TemporaryFolder.h"
#include "TestFileSystem.h"

#include <gtest/gtest.h>

namespace {

constexpr CalendarDate today{15, 5, 2024};

// Texts that test every escape of the three formats; the data-set file itself could not hold the
// last two, but an export must not lose them.
const std::vector<std::pair<std::u16string, std::u16string>> trickyPairs = {
    {u"ĉambro, ĝardeno", u"«room»\tand \"garden\""},
    {u"\U0001F600 ŭ Ĥ", u"<tag> & &amp; '"},
    {u"  spacoj  ", u"\"\""},
    {u"punkto;komo", u"linio\r\nalia\nkaj\rfino"},
};

CWordStore storeWith(const std::vector<std::pair<std::u16string, std::u16string>>& pairs)
{
    CWordStore store(today, u"/tmp");
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    store.setListName1(u"Esperanto, \"eo\"");
    store.setListName2(u"Ĉina\t中文");
    store.setCategoryName(2, u"Bestoj");
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        WordEntry entry;
        entry.text1 = pairs[i].first;
        entry.text2 = pairs[i].second;
        entry.box1 = static_cast<int>(i);
        entry.category = i == 1 ? 2 : 0;
        store.appendEntry(std::move(entry));
    }
    return store;
}

} // namespace

TEST(ExchangeRoundTrip, GivesBackEveryCodeUnitInEachFormat)
{
    const CWordStore original = storeWith(trickyPairs);
    TemporaryFolder folder;
    for (const char* name : {"export.csv", "export.tsv", "export.kvtml"}) {
        SCOPED_TRACE(name);
        const std::u16string path = folder.file16(name);
        const auto format = exportFormatOfPath(path);
        ASSERT_TRUE(format);
        ASSERT_TRUE(exportDataSet(fileSystem, original, path, *format));

        ImportedTable table;
        ASSERT_FALSE(readImportFile(fileSystem, path, table));
        EXPECT_EQ(*format, table.format);
        EXPECT_EQ(TextEncoding::Utf8, table.encoding);
        CWordStore copy(today, u"/tmp");
        copy.clearEntries(CWordStore::AfterClear::EmptyDataSet);
        // The preview lets the user mark the header row of a spreadsheet; kvtml names its columns.
        ImportChoices choices = defaultImportChoices(table, copy);
        choices.firstRowIsHeader = *format != ExchangeFormat::Kvtml;
        const std::size_t first = choices.firstRowIsHeader ? 1 : 0;
        ASSERT_EQ(trickyPairs.size() + first, table.rows.size());
        for (std::size_t i = 0; i < trickyPairs.size(); ++i) {
            EXPECT_EQ(trickyPairs[i].first, table.rows[i + first].fields.at(0));
            EXPECT_EQ(trickyPairs[i].second, table.rows[i + first].fields.at(1));
        }

        applyImport(copy, previewImport(table, copy, choices));
        EXPECT_EQ(original.listName1(), copy.listName1());
        EXPECT_EQ(original.listName2(), copy.listName2());
        ASSERT_EQ(original.count(), copy.count());
        EXPECT_EQ(original.entry(0).text2, copy.entry(0).text2);
        EXPECT_EQ(0, copy.entry(1).box1) << "imported entries start in box 1";
        EXPECT_EQ(copy.defaultAnswerDate(), copy.entry(1).answerDate(2));
        if (*format == ExchangeFormat::Kvtml) {
            EXPECT_EQ(u"Bestoj", copy.categoryName(1));
            EXPECT_EQ(1, copy.entry(1).category);
            EXPECT_EQ(0, copy.entry(0).category);
        }
    }
}

TEST(ExchangeRoundTrip, LeavesThePreviousFileWhenTheExportFails)
{
    TemporaryFolder folder;
    const CWordStore store = storeWith(trickyPairs);
    const FileResult failed =
        exportDataSet(fileSystem, store, folder.file16("missing/export.csv"), ExchangeFormat::Csv);
    EXPECT_FALSE(failed);
    EXPECT_EQ(folder.file16("missing/export.csv"), failed.path);
    EXPECT_EQ("", folder.listing());
}
