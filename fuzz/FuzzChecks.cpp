#include "FuzzChecks.h"

#include "CStdioFileEx.h"
#include "CWordStore.h"
#include "DataSetExport.h"
#include "DataSetFile.h"
#include "ImportPlan.h"
#include "ImportReader.h"
#include "IncomingEntries.h"
#include "PosixFileSystem.h"
#include "StorableText.h"
#include "TextCodec.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

PosixFileSystem fileSystem;

constexpr unsigned readMode = CStdioFileEx::modeRead | CStdioFileEx::typeText;
constexpr unsigned writeMode = CStdioFileEx::modeCreate | CStdioFileEx::modeReadWrite |
                               CStdioFileEx::typeText | CStdioFileEx::modeWriteUtf16;

// A file in memory, reachable by a path like any other.
class MemoryFile final
{
public:
    MemoryFile() : m_fd(::memfd_create("zenvalo-fuzz", 0)) {}
    ~MemoryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    std::string path() const { return "/proc/self/fd/" + std::to_string(m_fd); }
    bool write(std::string_view bytes) const
    {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t written = ::write(m_fd, bytes.data() + done, bytes.size() - done);
            if (written <= 0)
                return false;
            done += static_cast<std::size_t>(written);
        }
        return true;
    }
    // A descriptor of its own, for a writer that closes what it is given.
    int duplicate() const { return ::dup(m_fd); }

private:
    int m_fd;
};

std::string read(CWordStore& store, const MemoryFile& file)
{
    CStdioFileEx text(fileSystem);
    if (!text.openText(file.path(), readMode))
        return "cannot open the file in memory";
    const FileResult result = readDataSet(store, text);
    if (!result)
        return "reading failed: " + result.reason;
    return {};
}

std::string checkStore(const CWordStore& store)
{
    if (store.count() != static_cast<int>(store.entries().size()))
        return "count differs from the entries held";
    for (const WordEntry& entry : store.entries()) {
        if (entry.text1.empty() && entry.text2.empty())
            return "an entry with both texts empty was kept";
        if (entry.box1 >= 5 && entry.box2 >= 5)
            return "an entry learned in both directions was kept";
    }
    return {};
}

bool isStorable(const CWordStore& store)
{
    for (const WordEntry& entry : store.entries())
        if (!isStorableText(entry.text1) || !isStorableText(entry.text2))
            return false;
    if (!isStorableText(store.listName1()) || !isStorableText(store.listName2()))
        return false;
    for (const auto& name : store.categoryNames())
        if (!isStorableText(name))
            return false;
    return true;
}

// The open path refuses devices and FIFOs before reading a byte of them; checked once per process.
std::string checkOnlyRegularFilesAreRead()
{
    static const std::string problem = [] {
        char folder[] = "/tmp/zenvalo-fuzz-XXXXXX";
        if (::mkdtemp(folder) == nullptr)
            return std::string();
        const std::string fifo = std::string(folder) + "/fifo";
        std::string found;
        for (const std::string& path : {std::string("/dev/zero"), std::string("/dev/urandom"), fifo}) {
            if (path == fifo && ::mkfifo(fifo.c_str(), 0600) != 0)
                continue;
            CStdioFileEx file(fileSystem);
            if (file.openText(path, readMode) || file.refusedKind() == FileKind::Regular)
                found = path + " was opened for reading";
        }
        ::unlink(fifo.c_str());
        ::rmdir(folder);
        return found;
    }();
    return problem;
}

} // namespace

std::string checkDataSetBytes(std::string_view bytes)
{
    const CalendarDate today{1, 3, 2016};
    MemoryFile input;
    if (!input.isOpen() || !input.write(bytes))
        return {}; // nothing to learn when the machine cannot hold the input
    CWordStore store(today, u"");
    if (std::string problem = read(store, input); !problem.empty())
        return problem;
    if (std::string problem = checkStore(store); !problem.empty())
        return problem;
    if (!isStorable(store))
        return {};

    MemoryFile output;
    if (!output.isOpen())
        return {};
    {
        CStdioFileEx writer(fileSystem);
        writer.attachForWriting(output.duplicate(), writeMode);
        writeDataSet(store, writer);
        if (!writer.closeFile())
            return "writing to memory failed";
    }
    CWordStore again(today, u"");
    if (std::string problem = read(again, output); !problem.empty())
        return problem;
    if (again.entries() != store.entries())
        return "the entries read back differ from those written";
    if (again.listName1() != store.listName1() || again.listName2() != store.listName2() ||
        again.categoryNames() != store.categoryNames())
        return "the names read back differ from those written";
    return checkOnlyRegularFilesAreRead();
}

std::string checkNumberRule(std::string_view bytes)
{
    std::u16string field;
    std::string narrow;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8));
        field += unit;
        // Anything outside ASCII stops a number as a letter would; NUL would end the C string early.
        narrow += (unit > 0 && unit < 0x80) ? static_cast<char>(unit) : 'x';
    }
    errno = 0;
    long long expected = std::strtoll(narrow.c_str(), nullptr, 10);
    if (expected > INT_MAX)
        expected = INT_MAX;
    if (expected < INT_MIN)
        expected = INT_MIN;
    const int actual = parseNumber(field);
    if (actual != expected)
        return "parseNumber gives " + std::to_string(actual) + " where " + std::to_string(expected) +
               " was expected";
    return {};
}

std::string checkIncomingBytes(std::string_view bytes)
{
    MemoryFile input;
    if (!input.isOpen() || !input.write(bytes))
        return {};
    CStdioFileEx file(fileSystem);
    if (!file.openText(input.path(), readMode))
        return "cannot open the file in memory";
    const std::vector<IncomingEntry> entries = readIncomingEntries(file);
    if (file.hasError())
        return "reading failed";
    for (const IncomingEntry& entry : entries)
        if (entry.text1.empty() && entry.text2.empty())
            return "an incoming entry with both texts empty was kept";
    return {};
}

std::string checkImportBytes(std::string_view bytes)
{
    ImportedTable table;
    if (parseImport(bytes, u"fuzz.csv", table))
        return table.rows.empty() ? std::string() : "a refused file left rows behind";
    if (table.rows.empty())
        return "an accepted file gave no rows";

    CWordStore store(CalendarDate{1, 1, 2024}, u"/tmp");
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    ImportChoices choices = defaultImportChoices(table, store);
    choices.column2 = table.columnCount() > 2 ? 2 : 1;
    const ImportPreview preview = previewImport(table, store, choices);
    const int appended = applyImport(store, preview);
    if (appended != preview.takenCount() || appended != store.count())
        return "the import appended another number of entries than the preview took";
    for (const WordEntry& entry : store.entries())
        if (entry.text1.empty() || entry.text2.empty() || !isStorableText(entry.text1) ||
            !isStorableText(entry.text2) || entry.box1 != 0 || entry.box2 != 0)
            return "an imported entry is empty, unstorable or not in box 1";

    ImportedTable again;
    const std::string exported = toUtf8(exportText(store, ExchangeFormat::Csv));
    if (parseImport(exported, u"fuzz.csv", again))
        return "the CSV export of an import cannot be read";
    if (again.rows.size() != store.entries().size() + 1)
        return "the CSV export of an import reads back with another number of rows";
    for (std::size_t i = 0; i < store.entries().size(); ++i) {
        const std::vector<std::u16string> expected = {store.entry(i).text1.str(), store.entry(i).text2.str()};
        if (again.rows[i + 1].fields != expected)
            return "a text changed through the CSV export";
    }
    return {};
}
