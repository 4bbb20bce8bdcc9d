#include "IncomingEntries.h"

#include "CStdioFileEx.h"
#include "TextCodec.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

namespace {

IncomingEntry splitLine(std::u16string_view line)
{
    const std::size_t first = line.find(u';');
    if (first == std::u16string_view::npos)
        return {};
    const std::size_t second = line.find(u';', first + 1);
    const std::u16string_view text2 = second == std::u16string_view::npos
                                          ? std::u16string_view()
                                          : line.substr(first + 1, second - first - 1);
    return {std::u16string(line.substr(0, first)), std::u16string(text2)};
}

} // namespace

std::vector<IncomingEntry> readIncomingEntries(CStdioFileEx& file)
{
    std::u16string line;
    file.readLine(line);
    const int announced = std::max(parseNumber(line), 0);
    std::vector<IncomingEntry> entries;
    bool more = true;
    for (int i = 0; i < announced && more; ++i) {
        more = file.readLine(line);
        if (i == 0 && !line.empty() && line.front() == u'#')
            more = file.readLine(line);
        IncomingEntry entry = splitLine(line);
        if (!entry.text1.empty() || !entry.text2.empty())
            entries.push_back(std::move(entry));
    }
    return entries;
}

FileResult readIncomingEntries(FileSystem& fileSystem, const std::u16string& path,
                               std::vector<IncomingEntry>& entries)
{
    entries.clear();
    CStdioFileEx file(fileSystem);
    if (!file.openText(pathBytes(path), CStdioFileEx::modeRead | CStdioFileEx::typeText))
        return openFailure(fileSystem, path, file);
    FileResult result;
    result.path = path;
    try {
        entries = readIncomingEntries(file);
    } catch (const std::bad_alloc&) {
        entries.clear();
        entries.shrink_to_fit();
        result.problem = FileResult::Problem::OutOfMemory;
        result.reason = "not enough memory to read the file";
        result.errorNumber = ENOMEM;
        return result;
    }
    if (file.hasError()) {
        entries.clear();
        result.problem = FileResult::Problem::CannotRead;
        result.errorNumber = file.errorNumber();
        result.reason = std::string("cannot read the file: ") + std::strerror(file.errorNumber());
    }
    return result;
}
