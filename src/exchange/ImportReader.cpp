#include "ImportReader.h"

#include "CardText.h"
#include "DelimitedText.h"
#include "FileFacts.h"
#include "FileSystem.h"
#include "KvtmlDocument.h"
#include "TextCodec.h"
#include "TextDecoding.h"

#include <algorithm>
#include <array>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr std::array<std::u16string_view, 10> headerWords = {
    u"front",      u"back", u"question",    u"answer",  u"term",
    u"definition", u"word", u"translation", u"listo 1", u"listo 2"};

char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool endsWithIgnoringCase(std::u16string_view text, std::u16string_view end)
{
    if (text.size() < end.size())
        return false;
    return std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                      [](char16_t a, char16_t b) { return asciiLower(a) == asciiLower(b); });
}

bool isHeaderWord(std::u16string_view field)
{
    std::u16string lower(field);
    std::transform(lower.begin(), lower.end(), lower.begin(), asciiLower);
    return std::find(headerWords.begin(), headerWords.end(), lower) != headerWords.end();
}

bool holdsText(const ImportedTable& table)
{
    return std::any_of(table.rows.begin(), table.rows.end(), [](const ImportedRow& row) {
        return std::any_of(row.fields.begin(), row.fields.end(), [](const auto& f) { return !f.empty(); });
    });
}

ImportError parseDecoded(std::u16string_view text, std::u16string_view fileName, ImportedTable& table)
{
    const std::size_t firstVisible = text.find_first_not_of(u" \t\r\n");
    if (firstVisible != std::u16string_view::npos && text[firstVisible] == u'<')
        return parseKvtml(text, table);
    if (hasCardHeader(text))
        return parseCardText(text, table);

    const bool tabbed = endsWithIgnoringCase(fileName, u".tsv") || endsWithIgnoringCase(fileName, u".tab") ||
                        endsWithIgnoringCase(fileName, u".txt");
    table.separator = detectSeparator(text, tabbed ? u'\t' : u',');
    table.format = table.separator == u'\t' ? ExchangeFormat::Tsv : ExchangeFormat::Csv;
    if (const ImportError error = parseDelimited(text, table.separator, table.rows))
        return error;
    if (table.rows.size() > 1) {
        const auto& first = table.rows.front().fields;
        table.firstRowLooksLikeHeader = std::any_of(first.begin(), first.end(), isHeaderWord);
    }
    return {};
}

} // namespace

std::size_t ImportedTable::columnCount() const
{
    std::size_t count = columnNames.size();
    for (const ImportedRow& row : rows)
        count = std::max(count, row.fields.size());
    return count;
}

ImportError parseImport(std::string_view bytes, std::u16string_view fileName, ImportedTable& table)
{
    table = {};
    if (bytes.size() > maxImportBytes)
        return {ImportProblem::TooLarge, 0};
    DecodedText decoded;
    ImportError error = decodeText(bytes, decoded);
    if (!error) {
        table.encoding = decoded.encoding;
        error = parseDecoded(decoded.text, fileName, table);
    }
    if (!error && !holdsText(table))
        error = {ImportProblem::Empty, 0};
    if (error) {
        table = {};
        return error;
    }
    table.encoding = decoded.encoding;
    return {};
}

ImportError readImportFile(FileSystem& fileSystem, const std::u16string& path, ImportedTable& table)
{
    table = {};
    struct stat status = {};
    FileKind refused = FileKind::Regular;
    const int fd = openRegularFile(fileSystem, pathBytes(path), status, refused);
    if (fd < 0)
        return {ImportProblem::CannotOpen, 0};
    if (static_cast<unsigned long long>(status.st_size) > maxImportBytes) {
        fileSystem.close(fd);
        return {ImportProblem::TooLarge, 0};
    }
    std::string bytes;
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t got = fileSystem.read(fd, buffer.data(), buffer.size());
        if (got < 0) {
            fileSystem.close(fd);
            return {ImportProblem::CannotRead, 0};
        }
        if (got == 0)
            break;
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
        if (bytes.size() > maxImportBytes) {
            fileSystem.close(fd);
            return {ImportProblem::TooLarge, 0};
        }
    }
    fileSystem.close(fd);
    return parseImport(bytes, path, table);
}
