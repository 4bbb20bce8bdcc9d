#include "ImportPlan.h"
#include "ImportReader.h"
#include "TestFileSystem.h"

#include <gtest/gtest.h>

namespace {

struct Expected
{
    const char* file;
    std::u16string listName1;
    std::u16string listName2;
    std::vector<PreviewRow> taken;
    int emptyRows;
    std::vector<std::u16string> categoryNames;
};

} // namespace

// Files saved by the two vocabulary programs of KDE (made with them for these tests).
TEST(WrittenByOtherPrograms, ImportWithTheirTextsListNamesAndLessons)
{
    const std::vector<Expected> cases = {
        {"kwordquiz-esperanto-english.kvtml",
         u"Esperanto",
         u"English",
         {{u"manĝi", u"to eat", 0, RowFate::Taken},
          {u"ĉevalo, virĉevalo", u"horse \"stallion\"", 0, RowFate::Taken},
          {u"ŝipo", u"ship", 0, RowFate::Taken},
          {u"ĵaŭdo", u"Thursday", 0, RowFate::Taken}},
         16,
         {}},
        {"parley-units.kvtml",
         u"Esperanto",
         u"Franca",
         {{u"ĉielarko \U0001F308", u"arc-en-ciel", 0, RowFate::Taken},
          {u"kato", u"chat", 1, RowFate::Taken},
          {u"hundo, \"fidela\"", u"chien <fidèle> & co", 1, RowFate::Taken},
          {u"pomo", u"pomme", 2, RowFate::Taken},
          {u"kuri", u"courir", 3, RowFate::Taken}},
         1,
         {u"Bestoj", u"Manĝaĵoj", u"Verboj"}},
    };
    for (const Expected& expected : cases) {
        SCOPED_TRACE(expected.file);
        ImportedTable table;
        const std::string path = std::string(ZENVALO_EXCHANGE_DATA) + "/" + expected.file;
        ASSERT_FALSE(readImportFile(fileSystem, std::u16string(path.begin(), path.end()), table));
        EXPECT_EQ(ExchangeFormat::Kvtml, table.format);

        CWordStore store(CalendarDate{9, 12, 2026}, u"/tmp");
        store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
        ImportPreview preview = previewImport(table, store, defaultImportChoices(table, store));
        EXPECT_EQ(expected.emptyRows, preview.count(RowFate::EmptyText));
        std::erase_if(preview.rows, [](const PreviewRow& row) { return row.fate == RowFate::EmptyText; });
        EXPECT_EQ(expected.taken, preview.rows);

        applyImport(store, preview);
        EXPECT_EQ(expected.listName1, store.listName1());
        EXPECT_EQ(expected.listName2, store.listName2());
        for (std::size_t i = 0; i < expected.categoryNames.size(); ++i)
            EXPECT_EQ(expected.categoryNames[i], store.categoryName(static_cast<int>(i) + 1));
    }
}
