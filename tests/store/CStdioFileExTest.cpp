#include "CStdioFileEx.h"

#include "TemporaryFolder.h"
#include "TestFileSystem.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr unsigned readMode = CStdioFileEx::modeRead | CStdioFileEx::typeText;
constexpr unsigned writeMode = CStdioFileEx::modeCreate | CStdioFileEx::modeReadWrite |
                               CStdioFileEx::typeText | CStdioFileEx::modeWriteUtf16;

std::vector<std::u16string> readAllLines(const std::string& path, CStdioFileEx* opened = nullptr)
{
    CStdioFileEx local(fileSystem);
    CStdioFileEx& file = opened ? *opened : local;
    EXPECT_TRUE(file.openText(path, readMode));
    std::vector<std::u16string> lines;
    std::u16string line;
    while (file.readLine(line))
        lines.push_back(line);
    EXPECT_TRUE(line.empty()); // past the end the line is empty
    return lines;
}

using Lines = std::vector<std::u16string>;

} // namespace

TEST(CStdioFileEx, WritesOneMarkAndRawUnits)
{
    TemporaryFolder folder;
    const std::string path = folder.file("a.zenv");
    CStdioFileEx file(fileSystem);
    ASSERT_TRUE(file.openText(path, writeMode));
    EXPECT_EQ(writeMode, file.openFlags());
    EXPECT_TRUE(file.writeText(u"ĝi\r\n"));
    EXPECT_TRUE(file.writeText(u"b\r\n"));
    EXPECT_TRUE(file.closeFile());
    EXPECT_EQ(std::string("\xFF\xFE\x1D\x01i\0\r\0\n\0b\0\r\0\n\0", 16), readBytes(path));
    EXPECT_TRUE(CStdioFileEx::hasUtf16Mark(fileSystem, path));
}

TEST(CStdioFileEx, Utf16LineEndsAreCleaned)
{
    TemporaryFolder folder;
    const std::string path = folder.file("lines.zenv");
    writeBytes(path, utf16Bytes(u"abc\r\nlf only\nlone cr\r\n\r\nkeeps\rinner\r\r\nlast\r"));
    CStdioFileEx file(fileSystem);
    const Lines lines = readAllLines(path, &file);
    EXPECT_TRUE(file.isUtf16());
    EXPECT_EQ((Lines{u"abc", u"lf only", u"lone cr", u"", u"keeps\rinner\r", u"last"}), lines);
}

TEST(CStdioFileEx, Utf16OddByteAndUnpairedSurrogateSurvive)
{
    TemporaryFolder folder;
    const std::string path = folder.file("odd.zenv");
    std::string bytes = utf16Bytes(std::u16string{u'a', char16_t(0xD83D), u'\n', u'b'});
    bytes += '\x41'; // a lone last byte cannot form a code unit
    writeBytes(path, bytes);
    EXPECT_EQ((Lines{std::u16string{u'a', char16_t(0xD83D)}, u"b"}), readAllLines(path));
}

TEST(CStdioFileEx, Utf16LinesLongerThanTheBufferComeWhole)
{
    TemporaryFolder folder;
    const std::string path = folder.file("long.zenv");
    const std::u16string longLine(300000, u'ŝ');
    writeBytes(path, utf16Bytes(longLine + u"\r\n" + u"\n" + longLine));
    EXPECT_EQ((Lines{longLine, u"", longLine}), readAllLines(path));
}

TEST(CStdioFileEx, MarkOnlyFileHasNoLines)
{
    TemporaryFolder folder;
    const std::string path = folder.file("mark.zenv");
    writeBytes(path, "\xFF\xFE");
    EXPECT_EQ(Lines{}, readAllLines(path));
    writeBytes(path, "");
    EXPECT_EQ(Lines{}, readAllLines(path));
    EXPECT_FALSE(CStdioFileEx::hasUtf16Mark(fileSystem, path));
}

TEST(CStdioFileEx, EightBitFilesAreUtf8WhenWellFormedAndWindows1252Otherwise)
{
    struct Row
    {
        const char* name;
        std::string bytes;
        int codePage;
        Lines lines;
    };
    const std::string longLatin(5000, 'e');
    const Row rows[] = {
        {"utf-8 without mark",
         "2\r\nman\xC4\x9Do;\xC3\xA9t\xC3\xA9;\n",
         CStdioFileEx::codePageUtf8,
         {u"2", u"manĝo;été;"}},
        {"utf-8 with mark",
         "\xEF\xBB\xBF"
         "3\n#Franca;Esperanto;\n",
         CStdioFileEx::codePageUtf8,
         {u"3", u"#Franca;Esperanto;"}},
        {"windows-1252",
         "\xE9t\xE9;\x9C"
         "uf\r\n",
         CStdioFileEx::codePageWindows1252,
         {u"été;œuf"}},
        {"plain ascii", "a\n\nb", CStdioFileEx::codePageUtf8, {u"a", u"", u"b"}},
        {"a line of 5000 bytes stays one line",
         longLatin + "\n2\n",
         CStdioFileEx::codePageUtf8,
         {std::u16string(5000, u'e'), u"2"}},
        {"a mark that is not at the start stays",
         "a\xEF\xBB\xBF",
         CStdioFileEx::codePageUtf8,
         {std::u16string{u'a', char16_t(0xFEFF)}}},
    };
    TemporaryFolder folder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = folder.file("eight.txt");
        writeBytes(path, row.bytes);
        CStdioFileEx file(fileSystem);
        EXPECT_EQ(row.lines, readAllLines(path, &file));
        EXPECT_FALSE(file.isUtf16());
        EXPECT_EQ(row.codePage, file.codePage());
    }
}

TEST(CStdioFileEx, MissingFileDoesNotOpen)
{
    TemporaryFolder folder;
    CStdioFileEx file(fileSystem);
    EXPECT_FALSE(file.openText(folder.file("nowhere/x.zenv"), readMode));
    EXPECT_EQ(ENOENT, file.errorNumber());
    std::u16string line = u"stale";
    EXPECT_FALSE(file.readLine(line));
    EXPECT_TRUE(line.empty());
}

TEST(CStdioFileEx, FullDeviceReportsTheWriteError)
{
    CStdioFileEx file(fileSystem);
    ASSERT_TRUE(file.openText("/dev/full", writeMode));
    // Small writes are buffered, so the failure may surface at the flush on close at the latest.
    const std::u16string chunk(40000, u'x');
    bool allWritten = true;
    for (int i = 0; i < 4; ++i)
        allWritten = file.writeText(chunk) && allWritten;
    const bool closed = file.closeFile();
    EXPECT_FALSE(allWritten && closed);
    EXPECT_EQ(ENOSPC, file.errorNumber());
}

TEST(CStdioFileEx, CarriageReturnOnlyFilesSplitAtEveryCarriageReturn)
{
    // A CR LF among the CRs is one line end, also when it straddles two reads of the buffer: the CR
    // is the last code unit (or byte) of the first 64 KiB.
    const std::u16string longUtf16(32764, u'b');
    const std::string longBytes(65533, 'b');
    std::string bigEndian = utf16Bytes(u"a\r" + longUtf16 + u"\r\nc\r");
    for (std::size_t i = 0; i + 1 < bigEndian.size(); i += 2)
        std::swap(bigEndian[i], bigEndian[i + 1]);
    struct Row
    {
        const char* name;
        std::string bytes;
        Lines lines;
    };
    const Row rows[] = {
        {"utf-16", utf16Bytes(u"a\r" + longUtf16 + u"\r\nc\r"), {u"a", longUtf16, u"c"}},
        {"utf-16 big-endian", bigEndian, {u"a", longUtf16, u"c"}},
        {"8-bit", "a\r" + longBytes + "\r\nc\r", {u"a", std::u16string(longBytes.size(), u'b'), u"c"}},
        {"an empty line before a CR LF", "a\rb\r\r\nc", {u"a", u"b", u"", u"c"}},
    };
    TemporaryFolder folder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(folder.file("cr.txt"), row.bytes);
        EXPECT_EQ(row.lines, readAllLines(folder.file("cr.txt")));
    }
}
