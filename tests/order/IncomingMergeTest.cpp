#include "IncomingMerge.h"

#include "CStdioFileEx.h"
#include "CWordStore.h"
#include "Entries.h"
#include "IncomingEntries.h"
#include "TemporaryFolder.h"
#include "TestFileSystem.h"

#include <gtest/gtest.h>

namespace {

const CalendarDate today{10, 3, 2016};

std::vector<IncomingEntry> readIncoming(const TemporaryFolder& folder, const std::u16string& text)
{
    writeBytes(folder.file("amiko.zenv"), utf16Bytes(text));
    std::vector<IncomingEntry> entries;
    EXPECT_TRUE(readIncomingEntries(fileSystem, folder.file16("amiko.zenv"), entries));
    return entries;
}

} // namespace

TEST(MergeSelectedEntries, AppendsSelectedNewPairsDueAtOnce)
{
    CWordStore store = emptyDataSet(today, u"Franca", u"Esperanto");
    store.appendEntry(makeEntry(u"Lentille", u"Lenso"));
    const std::vector<IncomingEntry> incoming = {{u"Lentille (optique)", u"Lenso"}, // already held
                                                 {u"Chat", u"Kato"},
                                                 {u"Chien", u"Hundo"}, // not selected
                                                 {u"Chat", u"Kato"},   // selected twice: both go in
                                                 {u"kato#", u""}};
    EXPECT_EQ(3, mergeSelectedEntries(store, incoming, {true, true, false, true, true}));
    ASSERT_EQ(4, store.count());
    EXPECT_EQ(u"Chat", store.entry(1).text1);
    EXPECT_EQ(u"Chat", store.entry(2).text1);
    EXPECT_EQ(u"kato#", store.entry(3).text1); // a text ending with "#" keeps it
    const WordEntry& merged = store.entry(1);
    EXPECT_EQ(0, merged.box1);
    EXPECT_EQ(0, merged.box2);
    EXPECT_EQ(0, merged.category);
    EXPECT_EQ((CalendarDate{10, 3, 2015}), merged.answerDate(1));
    EXPECT_EQ((CalendarDate{10, 3, 2015}), merged.answerDate(2));
}

TEST(MergeSelectedEntries, UnselectedEntriesEndingWithHashStayOut)
{
    CWordStore store = emptyDataSet(today, u"Franca", u"Esperanto");
    EXPECT_EQ(1, mergeSelectedEntries(store, {{u"a#", u"b"}, {u"c", u"d"}}, {false, true}));
    EXPECT_EQ(u"c", store.entry(0).text1);
}

TEST(IncomingEntries, TakesTheTwoTextsOfEachLine)
{
    TemporaryFolder folder;
    EXPECT_EQ((std::vector<IncomingEntry>{{u"Lentille (optique)", u"Lenso"}, {u"kato", u""}, {u"x", u""}}),
              readIncoming(folder, u"6\r\n#Franca;Esperanto;;;;;;;;;;;;;\r\n"
                                   u"Lentille (optique);Lenso;1;0;2016;3;5;2016;3;4;2;;\r\n"
                                   u"kato;;\r\n;\r\n\r\nx;\r\nsen apartigilo\r\n"));
    // Without a header the first line after the count is an entry.
    EXPECT_EQ((std::vector<IncomingEntry>{{u"a", u"b"}}), readIncoming(folder, u"1\r\na;b;\r\nc;d;\r\n"));
    EXPECT_EQ((std::vector<IncomingEntry>{}), readIncoming(folder, u"#a;b;\r\nc;d;\r\n"));
    EXPECT_EQ((std::vector<IncomingEntry>{{u"c", u"d"}}),
              readIncoming(folder, u"2000000000\r\n#a;b;\r\nc;d;\r\n"));

    std::vector<IncomingEntry> entries{{u"stale", u""}};
    EXPECT_FALSE(readIncomingEntries(fileSystem, folder.file16("nenie.zenv"), entries));
    EXPECT_TRUE(entries.empty());
}
