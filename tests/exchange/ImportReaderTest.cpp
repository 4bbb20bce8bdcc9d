#include "ImportReader.h"

#include "CardText.h"
#include "TemporaryFolder.h"
#include "TestFileSystem.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using Rows = std::vector<std::vector<std::u16string>>;

Rows fieldsOf(const ImportedTable& table)
{
    Rows rows;
    for (const ImportedRow& row : table.rows)
        rows.push_back(row.fields);
    return rows;
}

std::string utf16BigEndian(std::u16string_view text)
{
    std::string bytes = "\xFE\xFF";
    for (const char16_t c : text) {
        bytes += static_cast<char>(c >> 8);
        bytes += static_cast<char>(c & 0xFF);
    }
    return bytes;
}

struct ReadCase
{
    const char* rule;
    std::string bytes;
    std::u16string fileName;
    ExchangeFormat format;
    TextEncoding encoding;
    Rows rows;
};

} // namespace

TEST(ImportReader, FindsFormatEncodingAndFieldsFromTheContent)
{
    const std::vector<ReadCase> cases = {
        {"commas with RFC 4180 quoting",
         "\"a,b\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",x\r\n",
         u"f.txt",
         ExchangeFormat::Csv,
         TextEncoding::Utf8,
         {{u"a,b", u"say \"hi\""}, {u"two\nlines", u"x"}}},
        {"semicolons win over commas inside fields",
         "kato, hejma;cat\nhundo;dog, big\n",
         u"f.csv",
         ExchangeFormat::Csv,
         TextEncoding::Utf8,
         {{u"kato, hejma", u"cat"}, {u"hundo", u"dog, big"}}},
        {"tabs, the extension not needed",
         "\xEF\xBB\xBFmanĝi\teat\tverb\n\nĉevalo\thorse\n",
         u"f",
         ExchangeFormat::Tsv,
         TextEncoding::Utf8WithMark,
         {{u"manĝi", u"eat", u"verb"}, {u"ĉevalo", u"horse"}}},
        {"Windows-1252 when the bytes are not UTF-8",
         "caf\xE9;\x80uro\n",
         u"f.csv",
         ExchangeFormat::Csv,
         TextEncoding::Windows1252,
         {{u"café", u"€uro"}}},
        {"UTF-16 little-endian, a lone surrogate replaced",
         utf16Bytes(u"ŝipo\tship\xD800\r\n\U0001F600\tface\r\n"),
         u"f.tsv",
         ExchangeFormat::Tsv,
         TextEncoding::Utf16LittleEndian,
         {{u"ŝipo", u"ship\xFFFD"}, {u"\U0001F600", u"face"}}},
        {"UTF-16 big-endian",
         utf16BigEndian(u"ĵaŭdo,Thursday\n"),
         u"f.csv",
         ExchangeFormat::Csv,
         TextEncoding::Utf16BigEndian,
         {{u"ĵaŭdo", u"Thursday"}}},
        {"flash-card export with HTML",
         "#separator:Pipe\n#html:true\n#columns:Front|Back\n"
         "<b>la</b> &amp; <i>kato</i>|\"the cat<br>le chat &#x1F431;\"\n",
         u"f.txt",
         ExchangeFormat::CardText,
         TextEncoding::Utf8,
         {{u"la & kato", u"the cat\nle chat \U0001F431"}}},
        {"flash-card export keeps tags without #html",
         "#html:false\na <b>\tb&amp;\n",
         u"f.txt",
         ExchangeFormat::CardText,
         TextEncoding::Utf8,
         {{u"a <b>", u"b&amp;"}}},
        {"kvtml",
         "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers>"
         "<identifier id=\"0\"><name>Esperanto</name></identifier>"
         "<identifier id=\"1\"><name>English</name></identifier></identifiers><entries>"
         "<entry id=\"5\"><translation id=\"1\"><text>dog</text></translation>"
         "<translation id=\"0\"><text>hundo &lt;n&gt;</text></translation></entry>"
         "<entry id=\"6\"><translation id=\"0\"><text>sola</text></translation></entry></entries>"
         "</kvtml>",
         u"f.csv",
         ExchangeFormat::Kvtml,
         TextEncoding::Utf8,
         {{u"hundo <n>", u"dog"}, {u"sola", u""}}},
    };
    for (const ReadCase& row : cases) {
        SCOPED_TRACE(row.rule);
        ImportedTable table;
        ASSERT_FALSE(parseImport(row.bytes, row.fileName, table));
        EXPECT_EQ(row.format, table.format);
        EXPECT_EQ(row.encoding, table.encoding);
        EXPECT_EQ(row.rows, fieldsOf(table));
    }
}

TEST(ImportReader, TakesColumnNamesAndNestedLessonsFromKvtml)
{
    const std::string document =
        "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><name>Franca</name></identifier>"
        "<identifier id=\"1\"><name>Esperanto</name></identifier></identifiers><entries>"
        "<entry id=\"0\"><translation id=\"0\"><text>chat</text></translation></entry>"
        "<entry id=\"1\"><translation id=\"0\"><text>chien</text></translation></entry>"
        "<entry id=\"2\"><translation id=\"0\"><text>pomme</text></translation></entry></entries>"
        "<lessons><container><name>Bestoj</name><entry id=\"0\"/><container><name>Hundoj</name>"
        "<entry id=\"1\"/></container></container></lessons></kvtml>";
    ImportedTable table;
    ASSERT_FALSE(parseImport(document, u"f.kvtml", table));
    EXPECT_EQ((std::vector<std::u16string>{u"Franca", u"Esperanto"}), table.columnNames);
    EXPECT_EQ((std::vector<std::u16string>{u"Bestoj", u"Hundoj"}), table.lessonNames);
    ASSERT_EQ(3u, table.rows.size());
    EXPECT_EQ(0, table.rows[0].lesson);
    EXPECT_EQ(1, table.rows[1].lesson);
    EXPECT_EQ(-1, table.rows[2].lesson);
}

TEST(ImportReader, RefusesMalformedInputWithTheProblemAndItsLine)
{
    struct Case
    {
        const char* rule;
        std::string bytes;
        ImportError expected;
    };
    const std::vector<Case> cases = {
        {"unbalanced quote", "a,b\nc,\"d\ne,f\n", {ImportProblem::UnbalancedQuote, 2}},
        {"kvtml that is not well-formed",
         "<kvtml version=\"2.0\">\n<entries>\n</kvtml>",
         {ImportProblem::MalformedXml, 3}},
        {"XML of another kind",
         "<?xml version=\"1.0\"?><kvtml version=\"1.0\"/>",
         {ImportProblem::NotVocabularyXml, 0}},
        {"binary file", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), {ImportProblem::Binary, 0}},
        {"UTF-16 with an odd byte count",
         "\xFF\xFE"
         "a\0b",
         {ImportProblem::Binary, 0}},
        {"a line of 2 MB", std::string(2u << 20, 'x') + ",y\n", {ImportProblem::LineTooLong, 1}},
        {"a file of 100 MB", std::string(100u << 20, 'x'), {ImportProblem::TooLarge, 0}},
        {"nothing but separators", ",,\n,\n", {ImportProblem::Empty, 0}},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.rule);
        ImportedTable table;
        EXPECT_EQ(row.expected, parseImport(row.bytes, u"f.csv", table));
        EXPECT_TRUE(table.rows.empty());
    }
}

TEST(ImportReader, RefusesALargeFileBeforeReadingIt)
{
    TemporaryFolder folder;
    const std::string path = folder.file("big.csv");
    writeBytes(path, "a,b\n");
    ASSERT_EQ(0, ::truncate(path.c_str(), static_cast<off_t>(maxImportBytes + 1)));
    ImportedTable table;
    EXPECT_EQ(ImportProblem::TooLarge, readImportFile(fileSystem, folder.file16("big.csv"), table).problem);
    EXPECT_EQ(ImportProblem::CannotOpen,
              readImportFile(fileSystem, folder.file16("missing.csv"), table).problem);
}

TEST(CardText, TurnsHtmlIntoPlainText)
{
    EXPECT_EQ(u"unu\ndu\ntri <4> & \u00A0x",
              htmlToText(u"<div>unu</div><div>du<br/>tri</div> &lt;4&gt; &amp; &#160;x"));
    EXPECT_EQ(u"a < b &unknown; c", htmlToText(u"a < b &unknown; <!-- comment -->c"));
}
