#include "BoxSchedule.h"
#include "CWordStore.h"
#include "DataSetFile.h"
#include "TestFileSystem.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::u16string starterFile(const char* name)
{
    const std::string path = std::string(ZENVALO_STARTER_DATA_DIR) + "/" + name;
    return {path.begin(), path.end()}; // the folder and names are ASCII
}

} // namespace

// The vocabularies installed for a first start: read by the program's own reader, every entry has
// two texts and a category and is due at once in both directions, whatever the day.
TEST(StarterData, ReadsWhollyAndIsDueAtOnceInBothDirections)
{
    struct Row
    {
        const char* name;
        int minimumCount;
        int categories;
        std::u16string text1; // one pair with letters beyond ASCII, read as UTF-8
        std::u16string text2;
    };
    for (const Row& row : {Row{"Zenvalo.txt", 2000, 6, u"Manger", u"Manĝi"},
                           Row{"Zenvalo(esprimoj).txt", 200, 9, u"Où ?", u"Kie?"}}) {
        SCOPED_TRACE(row.name);
        const CalendarDate today{9, 12, 2026};
        CWordStore store(today, u"");
        ASSERT_EQ(FileResult::Problem::None, readDataSet(fileSystem, store, starterFile(row.name)).problem);
        EXPECT_GE(store.count(), row.minimumCount);
        EXPECT_EQ(u"Franca", store.listName1());
        EXPECT_EQ(u"Esperanto", store.listName2());
        for (int category = 1; category <= CWordStore::categoryCount; ++category)
            EXPECT_EQ(category <= row.categories, !store.categoryName(category).empty()) << category;

        std::set<std::u16string> questions;
        bool pairFound = false;
        for (int direction : {1, 2}) {
            ScheduleSettings settings(today);
            settings.setDirection(direction, today);
            const BoxCountTable counts = BoxCounts(settings, store.entries());
            EXPECT_EQ(store.count(), counts.total[0]);
            EXPECT_EQ(store.count(), counts.due[0]);
        }
        for (const WordEntry& entry : store.entries()) {
            EXPECT_FALSE(entry.text1.empty() || entry.text2.empty());
            EXPECT_TRUE(entry.category >= 1 && entry.category <= row.categories) << entry.category;
            EXPECT_TRUE(questions.insert(entry.text1.str()).second) << "twice: " << entry.text1.size();
            pairFound = pairFound || (entry.text1 == row.text1 && entry.text2 == row.text2);
        }
        EXPECT_TRUE(pairFound);
    }
}
