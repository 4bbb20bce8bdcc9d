#include "DataSetPaths.h"

#include <gtest/gtest.h>

TEST(DataSetPaths, ExtensionRuleIsExactAndCaseSensitive)
{
    struct Row
    {
        std::u16string path;
        std::u16string applied;
        std::u16string appended;
    };
    const Row rows[] = {
        {u"/d/Listo.txt", u"/d/Listo.zenv", u"/d/Listo.txt.zenv"},
        {u"/d/Listo.zenv", u"/d/Listo.zenv", u"/d/Listo.zenv"},
        {u"/d/Listo", u"/d/Listo.zenv", u"/d/Listo.zenv"},
        {u"/d/LISTO.TXT", u"/d/LISTO.TXT.zenv", u"/d/LISTO.TXT.zenv"},
        {u"/d/x.txt.txt", u"/d/x.txt.zenv", u"/d/x.txt.txt.zenv"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.path.begin(), row.path.end()));
        EXPECT_EQ(row.applied, applyExtensionRule(row.path));
        EXPECT_EQ(row.appended, withDataSetExtension(row.path));
    }
}

TEST(DataSetPaths, TitleIsTheFileNameWithoutExtensionWhenAFolderIsNamed)
{
    EXPECT_EQ(u"Vortaro", titleForPath(u"/home/lernanto/Vortaro.zenv"));
    EXPECT_EQ(u"a.b", titleForPath(u"dir/a.b.zenv"));
    EXPECT_EQ(u"", titleForPath(u"/home/x"));
    EXPECT_EQ(std::nullopt, titleForPath(u"/Vortaro.zenv")); // the only separator is the first character
    EXPECT_EQ(std::nullopt, titleForPath(u"Vortaro.zenv"));
}
