#include "DataSetNames.h"

#include "CWordStore.h"
#include "Entries.h"

#include <gtest/gtest.h>

namespace {

CWordStore storeWithNames()
{
    CWordStore store = emptyDataSet({9, 12, 2026}, u"Franca", u"Esperanto");
    for (int category = 1; category <= CWordStore::categoryCount; ++category)
        store.setCategoryName(category, u"kategorio " + std::u16string(1, char16_t(u'0' + category)));
    return store;
}

} // namespace

TEST(DataSetNames, ReadsTheListsThenTheTenCategoriesInOrder)
{
    const DataSetNames names = DataSetNames::fromStore(storeWithNames());
    EXPECT_EQ(u"Franca", names.name(0));
    EXPECT_EQ(u"Esperanto", names.name(1));
    EXPECT_EQ(u"kategorio 1", names.name(DataSetNames::categoryIndex(1)));
    EXPECT_EQ(u"kategorio :", names.name(DataSetNames::categoryIndex(10))); // '0' + 10
    EXPECT_EQ(11, DataSetNames::categoryIndex(10));
}

TEST(DataSetNames, WritesEveryNameExactlyAsTyped)
{
    CWordStore store = storeWithNames();
    WordEntry entry;
    entry.text1 = u"hundo";
    entry.text2 = u"chien";
    entry.category = 3;
    store.appendEntry(entry);

    DataSetNames names = DataSetNames::fromStore(store);
    names.setName(DataSetNames::listIndex(1), u"  Français  ");
    names.setName(DataSetNames::listIndex(2), u"");
    names.setName(DataSetNames::categoryIndex(3), u"");
    names.setName(DataSetNames::categoryIndex(7), u"Ĉiutagaj (hejme)");
    ASSERT_FALSE(names.firstUnstorable());
    names.applyTo(store);

    EXPECT_EQ(u"  Français  ", store.listName1());
    EXPECT_EQ(u"", store.listName2());
    EXPECT_EQ(u"", store.categoryName(3));
    EXPECT_EQ(u"Ĉiutagaj (hejme)", store.categoryName(7));
    EXPECT_EQ(u"kategorio 1", store.categoryName(1));
    EXPECT_EQ(names, DataSetNames::fromStore(store));
    // Clearing a category's name leaves its entries in it.
    EXPECT_EQ(3, store.entry(0).category);
}

struct UnstorableRow
{
    const char* rule;
    int index;
    std::u16string name;
    std::optional<int> expected;
};

void PrintTo(const UnstorableRow& row, std::ostream* out)
{
    *out << row.rule;
}

class FirstUnstorable : public testing::TestWithParam<UnstorableRow>
{
};

TEST_P(FirstUnstorable, FindsTheFirstNameTheFileCannotHold)
{
    const UnstorableRow& row = GetParam();
    DataSetNames names = DataSetNames::fromStore(storeWithNames());
    names.setName(row.index, row.name);
    EXPECT_EQ(row.expected, names.firstUnstorable());
}

INSTANTIATE_TEST_SUITE_P(
    DataSetNames, FirstUnstorable,
    testing::Values(UnstorableRow{"SemicolonInTheFirstList", 0, u"Franca; Belga", 0},
                    UnstorableRow{"LineFeedInTheSecondList", 1, u"Espe\nranto", 1},
                    UnstorableRow{"CarriageReturnInTheLastCategory", 11, u"Bestoj\r", 11},
                    UnstorableRow{"LoneSemicolonInACategory", DataSetNames::categoryIndex(4), u";",
                                  DataSetNames::categoryIndex(4)},
                    UnstorableRow{"LettersBlanksAndPunctuationAreFine", 5, u" Ĉeĥa: ŝ, ĝ (ŭ) ! ",
                                  std::nullopt},
                    UnstorableRow{"EmptyNameIsFine", 0, u"", std::nullopt}),
    [](const testing::TestParamInfo<UnstorableRow>& param) { return std::string(param.param.rule); });

TEST(DataSetNames, ReportsTheEarliestOfSeveralUnstorableNames)
{
    DataSetNames names = DataSetNames::fromStore(storeWithNames());
    names.setName(DataSetNames::categoryIndex(9), u"a;b");
    names.setName(DataSetNames::categoryIndex(2), u"c\nd");
    EXPECT_EQ(DataSetNames::categoryIndex(2), names.firstUnstorable());
}
