#include "DataSetExport.h"

#include "CStdioFileEx.h"
#include "CWordStore.h"
#include "DelimitedText.h"
#include "FileReplacement.h"
#include "KvtmlDocument.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr unsigned utf8WriteMode =
    CStdioFileEx::modeCreate | CStdioFileEx::modeReadWrite | CStdioFileEx::typeText;

bool endsWithIgnoringCase(std::u16string_view text, std::u16string_view end)
{
    if (text.size() < end.size())
        return false;
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    return std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                      [&](char16_t a, char16_t b) { return lower(a) == lower(b); });
}

} // namespace

std::optional<ExchangeFormat> exportFormatOfPath(std::u16string_view path)
{
    static constexpr std::array<std::pair<std::u16string_view, ExchangeFormat>, 3> extensions = {{
        {u".csv", ExchangeFormat::Csv},
        {u".tsv", ExchangeFormat::Tsv},
        {u".kvtml", ExchangeFormat::Kvtml},
    }};
    for (const auto& [extension, format] : extensions)
        if (endsWithIgnoringCase(path, extension))
            return format;
    return std::nullopt;
}

std::u16string exportText(const CWordStore& store, ExchangeFormat format)
{
    if (format == ExchangeFormat::Kvtml)
        return kvtmlText(store);
    const char16_t separator = format == ExchangeFormat::Csv ? u',' : u'\t';
    std::u16string out;
    appendDelimitedRow(out, {store.listName1(), store.listName2()}, separator);
    for (const WordEntry& entry : store.entries())
        appendDelimitedRow(out, {entry.text1, entry.text2}, separator);
    return out;
}

FileResult exportDataSet(FileSystem& fileSystem, const CWordStore& store, const std::u16string& path,
                         ExchangeFormat format)
{
    const std::u16string text = exportText(store, format);
    const auto writeText = [&](int fd) {
        CStdioFileEx file(fileSystem);
        file.attachForWriting(fd, utf8WriteMode);
        file.writeText(text);
        file.detachDescriptor();
        return file.errorNumber();
    };
    return replaceFile(fileSystem, path, writeText, SaveOptions{});
}
