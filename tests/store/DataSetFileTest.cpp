#include "DataSetFile.h"

#include "CStdioFileEx.h"
#include "CWordStore.h"
#include "TemporaryFolder.h"
#include "TestFileSystem.h"
#include "TextCodec.h"

#include "IncomingEntries.h"

#include <climits>
#include <filesystem>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const CalendarDate today{15, 5, 2016};
const CalendarDate dayBefore{14, 5, 2016};

WordEntry entry(std::u16string text1, std::u16string text2, std::initializer_list<int> numbers)
{
    WordEntry e;
    e.text1 = std::move(text1);
    e.text2 = std::move(text2);
    int* fields[] = {&e.box1,  &e.box2,   &e.year1, &e.month1,  &e.day1,
                     &e.year2, &e.month2, &e.day2,  &e.category};
    std::size_t i = 0;
    for (const int number : numbers)
        *fields[i++] = number;
    return e;
}

// An entry with the given boxes and the default dates, as the reader gives lines without dates.
WordEntry undated(std::u16string text1, std::u16string text2, int box1 = 0, int box2 = 0)
{
    WordEntry e = entry(std::move(text1), std::move(text2), {box1, box2});
    e.setBothAnswerDates(dayBefore);
    return e;
}

// The index of the first entry that differs, or -1, for readable failures on large tables.
long firstDifference(const std::vector<WordEntry>& expected, const std::vector<WordEntry>& actual)
{
    for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i)
        if (!(expected[i] == actual[i]))
            return static_cast<long>(i);
    return expected.size() == actual.size() ? -1
                                            : static_cast<long>(std::min(expected.size(), actual.size()));
}

CWordStore exampleStore(const std::u16string& path)
{
    CWordStore store(today, path);
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    store.setListName1(u"Franca");
    store.setListName2(u"Esperanto");
    store.setCategoryName(1, u"Bestoj");
    store.setCategoryName(2, u"Manĝaĵoj");
    store.appendEntry(entry(u"Lentille (optique)", u"Lenso", {1, 0, 2016, 3, 5, 2016, 3, 4, 0}));
    store.appendEntry(entry(u"Chat", u"Kato", {5, 2, 2016, 2, 28, 2016, 3, 1, 1}));
    return store;
}

const std::u16string exampleText = u"2\r\n"
                                   u"#Franca;Esperanto;Bestoj;Manĝaĵoj;;;;;;;;;;;\r\n"
                                   u"Lentille (optique);Lenso;1;0;2016;3;5;2016;3;4;0;;\r\n"
                                   u"Chat;Kato;5;2;2016;2;28;2016;3;1;1;;\r\n";

CWordStore readText(const TemporaryFolder& folder, const std::string& bytes)
{
    const std::string path = folder.file("in.txt");
    writeBytes(path, bytes);
    CWordStore store(today, u"");
    EXPECT_TRUE(readDataSet(fileSystem, store, folder.file16("in.txt")));
    return store;
}

} // namespace

TEST(DataSetFile, ExampleIsWrittenByteForByte)
{
    TemporaryFolder folder;
    const CWordStore store = exampleStore(folder.file16("Vortaro.zenv"));
    ASSERT_TRUE(saveDataSet(fileSystem, store));
    const std::string bytes = readBytes(folder.file("Vortaro.zenv"));
    EXPECT_EQ(utf16Bytes(exampleText), bytes);
    EXPECT_EQ(std::string("\xFF\xFE"
                          "2\0\r\0\n\0#\0F\0r\0",
                          14),
              bytes.substr(0, 14));
    EXPECT_NE(std::string::npos, bytes.find(std::string("\x1D\x01", 2))); // ĝ of Manĝaĵoj
    EXPECT_EQ("Vortaro.zenv", folder.listing());                          // no temporary file left behind
}

TEST(DataSetFile, ExampleReadsBackAsTheSameStore)
{
    TemporaryFolder folder;
    const CWordStore written = exampleStore(folder.file16("Vortaro.zenv"));
    ASSERT_TRUE(saveDataSet(fileSystem, written));
    CWordStore read(today, u"");
    ASSERT_TRUE(readDataSet(fileSystem, read, written.dataPath()));
    EXPECT_EQ(written.entries(), read.entries()); // the second is learned in one direction only: kept
    EXPECT_EQ(written.listName1(), read.listName1());
    EXPECT_EQ(written.listName2(), read.listName2());
    EXPECT_EQ(written.categoryNames(), read.categoryNames());
}

TEST(DataSetFile, EmptyDataSetIsTwoLinesAndKeepsItsNames)
{
    TemporaryFolder folder;
    CWordStore store(today, folder.file16("malplena.zenv"));
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    store.setListName1(u"Franca");
    store.setCategoryName(3, u"Bestoj");
    ASSERT_TRUE(saveDataSet(fileSystem, store));
    EXPECT_EQ(utf16Bytes(u"0\r\n#Franca;Listo 2;;;Bestoj;;;;;;;;;;\r\n"),
              readBytes(folder.file("malplena.zenv")));
    CWordStore read(today, u"");
    const FileResult result = readDataSet(fileSystem, read, store.dataPath());
    ASSERT_TRUE(result);
    EXPECT_FALSE(result.anomalies.any());
    EXPECT_EQ(0, read.count());
    EXPECT_EQ(u"Franca", read.listName1());
    EXPECT_EQ(u"Bestoj", read.categoryName(3));
}

TEST(DataSetFile, BackupGoesBesideTheDataSet)
{
    EXPECT_EQ(u"/lernado/Vortaro_sav.zenv", backupPath(u"/lernado/Vortaro.zenv"));
    EXPECT_EQ(u"_sav.zenv", backupPath(u"a"));
    TemporaryFolder folder;
    const CWordStore store = exampleStore(folder.file16("Vortaro.zenv"));
    ASSERT_TRUE(saveDataSet(fileSystem, store, SaveTarget::Backup));
    EXPECT_EQ("Vortaro_sav.zenv", folder.listing());
    EXPECT_EQ(utf16Bytes(exampleText), readBytes(folder.file("Vortaro_sav.zenv")));
}

TEST(DataSetFile, NumberRule)
{
    struct Row
    {
        std::u16string field;
        int value;
    };
    const Row rows[] = {
        {u"3", 3},
        {u" 3", 3},
        {u"3abc", 3},
        {u"", 0},
        {u"abc", 0},
        {u"-12", -12},
        {u"+7", 7},
        {u"\t 42 ", 42},
        {u"- 4", 0},
        {u"99999999999", INT_MAX},
        {u"-99999999999", INT_MIN},
        {u"2147483647", INT_MAX},
        {u"-2147483648", INT_MIN},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.field.begin(), row.field.end()));
        EXPECT_EQ(row.value, parseNumber(row.field));
    }
}

TEST(DataSetFile, EntryLinesFillWhatTheyHoldAndDefaultTheRest)
{
    struct Row
    {
        const char* rule;
        std::u16string line;
        WordEntry expected;
    };
    WordEntry partialDate = undated(u"a", u"b", 1, 2);
    partialDate.year1 = 2015;
    partialDate.month1 = 6;
    WordEntry noCategory = entry(u"a", u"b", {1, 2, 2015, 6, 7, 2015, 6, 8});
    const Row rows[] = {
        {"no separator gives nothing", u"tekstoj sen apartigilo", undated(u"", u"")},
        {"one separator gives text1 only", u"Chien;Hundo", undated(u"Chien", u"")},
        {"two texts", u"Chien;Hundo;", undated(u"Chien", u"Hundo")},
        {"box1 without separator is not taken", u"a;b;3", undated(u"a", u"b")},
        {"box2 takes the rest of the line", u"a;b;3;4", undated(u"a", u"b", 3, 4)},
        {"box2 with a separator, no dates", u"a;b;3;4;", undated(u"a", u"b", 3, 4)},
        {"dates stop at the first missing separator", u"a;b;1;2;2015;6;7", partialDate},
        {"day2 takes the rest of the line", u"a;b;1;2;2015;6;7;2015;6;8", noCategory},
        {"category without separator is not taken", u"a;b;1;2;2015;6;7;2015;6;8;4", noCategory},
        {"full line", u"a;b;1;2;2015;6;7;2015;6;8;4;;", entry(u"a", u"b", {1, 2, 2015, 6, 7, 2015, 6, 8, 4})},
        {"whatever follows the category is ignored", u"a;b;1;2;2015;6;7;2015;6;8;4;x;y;z",
         entry(u"a", u"b", {1, 2, 2015, 6, 7, 2015, 6, 8, 4})},
        {"texts keep their blanks", u" a ;  ;0;0;", undated(u" a ", u"  ")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(row.expected, parseEntryLine(row.line, dayBefore));
    }
}

TEST(DataSetFile, ReaderKeepsOnlyUsefulEntries)
{
    EXPECT_FALSE(isKeptOnReading(undated(u"", u"")));
    EXPECT_TRUE(isKeptOnReading(undated(u"", u"b")));
    EXPECT_TRUE(isKeptOnReading(undated(u"a", u"")));
    EXPECT_TRUE(isKeptOnReading(undated(u"a", u"b", 5, 4)));
    EXPECT_FALSE(isKeptOnReading(undated(u"a", u"b", 5, 5)));
    EXPECT_FALSE(isKeptOnReading(undated(u"a", u"b", 9, 6)));
}

TEST(DataSetFile, HeaderNamesStopWhereTheSeparatorsStop)
{
    TemporaryFolder folder;
    CWordStore store = readText(folder, utf16Bytes(u"1\r\n#Franca;Esperanto;\r\nChien;Hundo;\r\n"));
    EXPECT_EQ(u"Franca", store.listName1());
    EXPECT_EQ(u"Esperanto", store.listName2());
    EXPECT_TRUE(store.categoryName(1).empty());

    store = readText(folder, utf16Bytes(u"1\r\n#Franca\r\nChien;Hundo;\r\n"));
    EXPECT_EQ(u"Listo 1", store.listName1()); // no separator: the name is not taken

    store = readText(folder, utf16Bytes(u"1\r\n#a;b;1;2;3;4;5;6;7;8;9;10;11;12;\r\nx;y;\r\n"));
    EXPECT_EQ(u"10", store.categoryName(10));
    EXPECT_EQ(1, store.count());

    store = readText(folder, utf16Bytes(u"1\r\nChien;Hundo;\r\n"));
    EXPECT_EQ(u"Listo 1", store.listName1()); // no header: the first line is an entry
    EXPECT_EQ(undated(u"Chien", u"Hundo"), store.entry(0));
}

TEST(DataSetFile, CountLineDecidesHowManyLinesAreRead)
{
    TemporaryFolder folder;
    const std::u16string body = u"#Franca;Esperanto;\r\nVase (le);Florpoto;\r\nLentille (optique);Lenso;\r\n"
                                u"Chien;Hundo;\r\n";
    CWordStore store = readText(folder, utf16Bytes(u"3\r\n" + body));
    ASSERT_EQ(3, store.count());
    EXPECT_EQ(undated(u"Lentille (optique)", u"Lenso"), store.entry(1));

    store = readText(folder, utf16Bytes(u"2\r\n" + body));
    EXPECT_EQ(2, store.count()); // the last line is not read

    store = readText(folder, utf16Bytes(u"7\r\n" + body));
    EXPECT_EQ(3, store.count()); // missing lines count as empty

    store = readText(folder, utf16Bytes(body));
    EXPECT_EQ(0, store.count()); // the header taken as the count gives 0
    EXPECT_EQ(u"Listo 1", store.listName1());

    store = readText(folder, utf16Bytes(u"-3\r\n" + body));
    EXPECT_EQ(0, store.count());

    store = readText(folder, "");
    EXPECT_EQ(0, store.count());
}

TEST(DataSetFile, DroppedLinesLeaveNoGap)
{
    TemporaryFolder folder;
    const CWordStore store =
        readText(folder, utf16Bytes(u"5\r\n#a;b;\r\n;;1;1;\r\nx;y;5;5;\r\n\r\nsen\r\nz;w;5;1;\r\n"));
    ASSERT_EQ(1, store.count());
    EXPECT_EQ(undated(u"z", u"w", 5, 1), store.entry(0));
}

TEST(DataSetFile, SeparatorInsideATextShiftsTheLaterFields)
{
    TemporaryFolder folder;
    CWordStore store = exampleStore(folder.file16("x.zenv"));
    store.entry(0).text1 = u"a;b";
    ASSERT_TRUE(saveDataSet(fileSystem, store));
    CWordStore read(today, u"");
    ASSERT_TRUE(readDataSet(fileSystem, read, store.dataPath()));
    EXPECT_EQ(u"a", read.entry(0).text1);
    EXPECT_EQ(u"b", read.entry(0).text2);
    EXPECT_EQ(0, read.entry(0).box1); // "Lenso" read as a number
}

TEST(DataSetFile, LineFeedOnlyAndEightBitFilesReadLikeUtf16)
{
    TemporaryFolder folder;
    const std::u16string text = u"3\n#Franca;Esperanto;\nVase (le);Florpoto;\nŒuf;Ovo;\nĈevalo;Ĉevalo;5;5;\n";
    const CWordStore fromUtf16 = readText(folder, utf16Bytes(text));
    ASSERT_EQ(2, fromUtf16.count());
    EXPECT_EQ(u"Œuf", fromUtf16.entry(1).text1);

    const std::string utf8 = "3\n#Franca;Esperanto;\nVase (le);Florpoto;\n\xC5\x92uf;Ovo;\n\xC4\x88"
                             "evalo;x;5;5;\n";
    EXPECT_EQ(fromUtf16.entries(), readText(folder, utf8).entries());
    EXPECT_EQ(fromUtf16.entries(), readText(folder, "\xEF\xBB\xBF" + utf8).entries());
    EXPECT_EQ(u"Franca", readText(folder, "\xEF\xBB\xBF" + utf8).listName1());

    const CWordStore latin = readText(folder, "2\r\n#Franca;Esperanto;\r\n\xE9t\xE9;Somero;\r\n\x9C"
                                              "uf;Ovo;\r\n");
    ASSERT_EQ(2, latin.count());
    EXPECT_EQ(u"été", latin.entry(0).text1);
    EXPECT_EQ(u"œuf", latin.entry(1).text1);
}

TEST(DataSetFile, HugeCountLineReadsOnlyWhatIsThere)
{
    TemporaryFolder folder;
    std::u16string text = u"2000000000\r\n#a;b;\r\n";
    for (int i = 0; i < 10; ++i)
        text += u"w" + std::u16string(1, char16_t(u'0' + i)) + u";v;\r\n";
    const CWordStore store = readText(folder, utf16Bytes(text));
    EXPECT_EQ(10, store.count());
    EXPECT_EQ(10u, store.entries().size());
}

TEST(DataSetFile, ShortLinesGetRoomForExactlyTheirEntriesInEveryEncoding)
{
    // Lines far shorter than the program writes: the line ends are counted before room is taken.
    TemporaryFolder folder;
    constexpr int lines = 3000;
    const auto text = [&](std::u16string_view lineEnd, int announced) {
        const std::string number = std::to_string(announced);
        std::u16string result = std::u16string(number.begin(), number.end()).append(lineEnd).append(u"#a;b;");
        for (int i = 0; i < lines; ++i)
            result.append(lineEnd).append(u"ĉ;");
        return result;
    };
    const auto bigEndian = [](std::string bytes) {
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            std::swap(bytes[i], bytes[i + 1]);
        return bytes;
    };
    const struct
    {
        const char* name;
        std::string bytes;
        int entries;
    } rows[] = {
        {"utf-8 with LF", toUtf8(text(u"\n", lines)), lines},
        {"utf-8 with CR LF", toUtf8(text(u"\r\n", lines)), lines},
        {"utf-8 with CR only", toUtf8(text(u"\r", lines)), lines},
        {"utf-16 with CR LF", utf16Bytes(text(u"\r\n", lines)), lines},
        {"utf-16 big-endian with CR only", bigEndian(utf16Bytes(text(u"\r", lines))), lines},
        {"count line beyond the lines", toUtf8(text(u"\n", 2'000'000'000)), lines},
        {"count line short of the lines", utf16Bytes(text(u"\n", 1000)), 1000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CWordStore store = readText(folder, row.bytes);
        ASSERT_EQ(row.entries, store.count());
        EXPECT_EQ(u"ĉ", store.entry(lines / 2 < row.entries ? lines / 2 : 0).text1);
        EXPECT_LE(store.entries().capacity(), static_cast<std::size_t>(row.entries) + 2);
    }
}

TEST(DataSetFile, FailedReadLeavesTheStoreAsItWas)
{
    TemporaryFolder folder;
    CWordStore store = exampleStore(folder.file16("x.zenv"));
    const FileResult result = readDataSet(fileSystem, store, folder.file16("absent.zenv"));
    EXPECT_FALSE(result);
    EXPECT_EQ(folder.file16("absent.zenv"), result.path);
    EXPECT_EQ(2, store.count());

    CStdioFileEx directory(fileSystem);
    EXPECT_FALSE(directory.openText(folder.path(), CStdioFileEx::modeRead | CStdioFileEx::typeText));
    EXPECT_EQ(FileKind::Folder, directory.refusedKind());
    EXPECT_EQ(2, store.count());
}

TEST(DataSetFile, OtherEncodingsAndLineEndsReadLikeTheOriginal)
{
    TemporaryFolder folder;
    CWordStore original(today, folder.file16("originalo.zenv"));
    original.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    for (int i = 0; i < 1000; ++i) {
        const std::string number = std::to_string(i);
        original.appendEntry(entry(u"ĉevalo " + std::u16string(number.begin(), number.end()), u"cheval (m)",
                                   {i % 5, 1, 2026, 1 + i % 12, 1 + i % 28, 2025, 3, 4, i % 11}));
    }
    ASSERT_TRUE(saveDataSet(fileSystem, original));
    const std::string littleEndian = readBytes(folder.file("originalo.zenv"));
    std::u16string text;
    for (std::size_t i = 2; i + 1 < littleEndian.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(littleEndian[i]) |
                                      (static_cast<unsigned char>(littleEndian[i + 1]) << 8));
    std::string bigEndian = littleEndian;
    for (std::size_t i = 0; i + 1 < bigEndian.size(); i += 2)
        std::swap(bigEndian[i], bigEndian[i + 1]);
    std::u16string carriageReturns = text;
    for (std::size_t at = 0; (at = carriageReturns.find(u"\r\n", at)) != std::u16string::npos;)
        carriageReturns.erase(at + 1, 1);
    // A stray Latin-1 byte inside the text of entry 500.
    std::string strayByte = "\xEF\xBB\xBF" + toUtf8(text);
    strayByte.insert(strayByte.find("valo 500;") + 4, "\xE9");
    std::vector<WordEntry> withReplacement = original.entries();
    withReplacement[500].text1 = u"ĉevalo\uFFFD 500";

    struct Row
    {
        const char* name;
        std::string bytes;
        const std::vector<WordEntry>& entries;
        unsigned long long replacedBytes;
    };
    const Row rows[] = {
        {"utf-16 big-endian", bigEndian, original.entries(), 0},
        {"utf-16 with CR only", utf16Bytes(carriageReturns), original.entries(), 0},
        {"utf-8 with CR only", toUtf8(carriageReturns), original.entries(), 0},
        {"utf-8 mark and a stray byte", strayByte, withReplacement, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(folder.file("alia.txt"), row.bytes);
        CWordStore read(today, u"");
        const FileResult result = readDataSet(fileSystem, read, folder.file16("alia.txt"));
        ASSERT_TRUE(result);
        const long differs = firstDifference(row.entries, read.entries());
        EXPECT_EQ(-1, differs) << (differs >= 0 && differs < read.count() ? toUtf8(read.entry(differs).text1)
                                                                          : "");
        EXPECT_EQ(original.categoryNames(), read.categoryNames());
        ReadAnomalies expected;
        expected.replacedBytes = row.replacedBytes;
        EXPECT_EQ(expected, result.anomalies);
    }
}

TEST(DataSetFile, FilesThatLookWrongAreReadAndReported)
{
    struct Row
    {
        const char* name;
        std::string bytes;
        int count;
        ReadAnomalies anomalies;
    };
    const std::u16string header = u"#Franca;Esperanto;\r\n";
    const std::u16string three = u"Vase (le);Florpoto;\r\nChien;Hundo;\r\nChat;Kato;\r\n";
    const Row rows[] = {
        {"a whole file", utf16Bytes(u"3\r\n" + header + three), 3, {}},
        {"a last line without line end", utf16Bytes(u"1\r\n" + header + u"Chien;Hundo;"), 1, {}},
        {"every entry learned", utf16Bytes(u"1\r\n" + header + u"a;b;5;5;"), 0, {}},
        {"no count line", utf16Bytes(header + three), 0, {.noEntryFromEntryLines = true}},
        {"count 0 in front of entries",
         utf16Bytes(u"0\r\n" + header + three),
         0,
         {.noEntryFromEntryLines = true}},
        {"fewer lines than announced", utf16Bytes(u"5\r\n" + header + three), 3, {.missingEntryLines = 2}},
        {"only dropped lines, then entries",
         utf16Bytes(u"1\r\n" + header + u";;\r\n" + three),
         0,
         {.noEntryFromEntryLines = true}},
        {"cut in the middle of a line",
         utf16Bytes(u"3\r\n" + header + three.substr(0, 38)),
         2,
         {.endsInsideLine = true}},
        {"an odd last byte", utf16Bytes(u"3\r\n" + header + three) + "C", 3, {.endsInsideLine = true}},
    };
    TemporaryFolder folder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(folder.file("dubinda.zenv"), row.bytes);
        CWordStore read(today, u"");
        const FileResult result = readDataSet(fileSystem, read, folder.file16("dubinda.zenv"));
        ASSERT_TRUE(result);
        EXPECT_EQ(row.count, read.count());
        EXPECT_EQ(row.anomalies, result.anomalies);
    }
}

TEST(DataSetFile, OnlyRegularFilesAreReadAndEveryRefusalSaysWhy)
{
    TemporaryFolder folder;
    ASSERT_EQ(0, ::mkfifo(folder.file("fifo.zenv").c_str(), 0600)); // no writer: an open would block
    std::filesystem::create_symlink(folder.file("nenie/x.zenv"), folder.file("ligilo.zenv"));
    struct Row
    {
        std::u16string path;
        FileResult::Problem problem;
        FileKind kind;
        const char* reason;
    };
    const Row rows[] = {
        {folder.file16("fifo.zenv"), FileResult::Problem::NotRegularFile, FileKind::Fifo,
         "not a regular file"},
        {u"/dev/zero", FileResult::Problem::NotRegularFile, FileKind::Device, "not a regular file"},
        {u"/dev/urandom", FileResult::Problem::NotRegularFile, FileKind::Device, "not a regular file"},
        {folder.file16(""), FileResult::Problem::NotRegularFile, FileKind::Folder, "not a regular file"},
        {folder.file16("ligilo.zenv"), FileResult::Problem::CannotOpen, FileKind::Missing, "link"},
        {folder.file16("forestas.zenv"), FileResult::Problem::CannotOpen, FileKind::Missing, "No such file"},
    };
    CWordStore store = exampleStore(folder.file16("x.zenv"));
    for (const Row& row : rows) {
        SCOPED_TRACE(toUtf8(row.path));
        FileResult result = readDataSet(fileSystem, store, row.path);
        EXPECT_EQ(row.problem, result.problem);
        EXPECT_EQ(row.kind, result.kind);
        EXPECT_EQ(row.path, result.path);
        EXPECT_NE(std::string::npos, result.reason.find(row.reason)) << result.reason;
        EXPECT_EQ(2, store.count());
        std::vector<IncomingEntry> incoming;
        result = readIncomingEntries(fileSystem, row.path, incoming);
        EXPECT_EQ(row.problem, result.problem);
    }

    // A name that is not UTF-8 (Latin-1 "é") opens through the byte-keeping path form.
    const std::string latin1 = folder.file("\xE9t\xE9.zenv");
    ASSERT_TRUE(saveDataSet(fileSystem, exampleStore(pathFromBytes(latin1))));
    EXPECT_TRUE(std::filesystem::exists(latin1));
    CWordStore read(today, u"");
    EXPECT_TRUE(readDataSet(fileSystem, read, pathFromBytes(latin1)));
    EXPECT_EQ(2, read.count());
    EXPECT_EQ(latin1, pathBytes(pathFromBytes(latin1)));
    ASSERT_EQ(0, ::chdir(folder.path().c_str())); // as a file manager starts the program
    EXPECT_EQ(latin1, pathBytes(absolutePath(fileSystem, pathFromBytes("\xE9t\xE9.zenv"))));
    ASSERT_EQ(0, ::chdir("/"));

    const std::string sparse = folder.file("granda.zenv");
    writeBytes(sparse, "");
    ASSERT_EQ(0, ::truncate(sparse.c_str(), static_cast<off_t>(largeFileBytes + 1)));
    EXPECT_GT(inspectFile(fileSystem, sparse).size, largeFileBytes); // the caller asks before reading it
}

TEST(DataSetFile, ASecondWindowsSaveIsNoticedBeforeTheFirstOneSaves)
{
    TemporaryFolder folder;
    const std::u16string path = folder.file16("komuna.zenv");
    ASSERT_TRUE(saveDataSet(fileSystem, exampleStore(path)));
    CWordStore first(today, path);
    CWordStore second(today, path);
    const FileResult firstRead = readDataSet(fileSystem, first, path);
    const FileResult secondRead = readDataSet(fileSystem, second, path);
    ASSERT_TRUE(firstRead && secondRead);
    EXPECT_EQ(FileChange::Unchanged, changeSince(fileSystem, path, firstRead.stamp));

    second.appendEntry(undated(u"nova", u"neuf"));
    const FileResult secondSave = saveDataSet(fileSystem, second);
    ASSERT_TRUE(secondSave);
    EXPECT_EQ(FileChange::Modified, changeSince(fileSystem, path, firstRead.stamp));
    EXPECT_EQ(FileChange::Unchanged, changeSince(fileSystem, path, secondSave.stamp));

    // Rewritten in place with the same size a while later: the modification time tells.
    std::string bytes = readBytes(folder.file("komuna.zenv"));
    const timespec anHourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    ASSERT_EQ(0, ::utimensat(AT_FDCWD, folder.file("komuna.zenv").c_str(), anHourAgo, 0));
    const FileStamp before = inspectFile(fileSystem, path).stamp;
    bytes[bytes.size() - 6] = 'X';
    writeBytes(folder.file("komuna.zenv"), bytes);
    EXPECT_EQ(FileChange::Modified, changeSince(fileSystem, path, before));
    std::filesystem::remove(folder.file("komuna.zenv"));
    EXPECT_EQ(FileChange::Vanished, changeSince(fileSystem, path, secondSave.stamp));
}
