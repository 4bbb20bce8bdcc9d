#include "DataSetFile.h"

#include "CStdioFileEx.h"
#include "CWordStore.h"
#include "DataSetBackups.h"
#include "FileReplacement.h"
#include "FileSystem.h"
#include "TextCodec.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <new>
#include <optional>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

constexpr char16_t separator = u';';
constexpr unsigned long long minimumLineBytes = 32;
constexpr std::size_t largeLineUnits = 1 << 20;
constexpr unsigned writeMode = CStdioFileEx::modeCreate | CStdioFileEx::modeReadWrite |
                               CStdioFileEx::typeText | CStdioFileEx::modeWriteUtf16;

bool isBlank(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

void appendNumber(std::u16string& out, int value)
{
    char16_t digits[12];
    int length = 0;
    // Work in the negative range so that INT_MIN needs no special case.
    int rest = value < 0 ? value : -value;
    do {
        digits[length++] = static_cast<char16_t>(u'0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (value < 0)
        out += u'-';
    while (length > 0)
        out += digits[--length];
}

// Takes the text up to the next separator of a line, moving past that separator.
class FieldCursor
{
public:
    explicit FieldCursor(std::u16string_view line) : m_rest(line) {}

    // The next field if a separator follows it.
    std::optional<std::u16string_view> next()
    {
        const std::size_t end = m_rest.find(separator);
        if (end == std::u16string_view::npos)
            return std::nullopt;
        const std::u16string_view field = m_rest.substr(0, end);
        m_rest.remove_prefix(end + 1);
        return field;
    }

    std::u16string_view rest() const { return m_rest; }

private:
    std::u16string_view m_rest;
};

bool endsWithSeparator(std::u16string_view line)
{
    return !line.empty() && line.back() == separator;
}

// The names of a header line, in order: list 1, list 2, categories 1 to 10. Names after the last
// separator are absent and keep their defaults.
std::vector<std::u16string> parseHeader(std::u16string_view header)
{
    std::vector<std::u16string> names;
    FieldCursor fields(header.substr(1));
    while (names.size() < 2 + CWordStore::categoryCount) {
        const auto field = fields.next();
        if (!field)
            break;
        names.emplace_back(*field);
    }
    return names;
}

void applyNames(CWordStore& store, std::vector<std::u16string> names)
{
    store.resetNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i == 0)
            store.setListName1(std::move(names[i]));
        else if (i == 1)
            store.setListName2(std::move(names[i]));
        else
            store.setCategoryName(static_cast<int>(i) - 1, std::move(names[i]));
    }
}

} // namespace

std::u16string backupPath(std::u16string_view dataPath)
{
    const std::size_t keep = dataPath.size() >= 5 ? dataPath.size() - 5 : 0;
    std::u16string path(dataPath.substr(0, keep));
    path += u"_sav.zenv";
    return path;
}

int parseNumber(std::u16string_view field)
{
    std::size_t i = 0;
    while (i < field.size() && isBlank(field[i]))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == u'-' || field[i] == u'+')) {
        negative = field[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < field.size() && field[i] >= u'0' && field[i] <= u'9'; ++i) {
        value = value * 10 + (field[i] - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

WordEntry parseEntryLine(std::u16string_view line, const CalendarDate& defaultDate)
{
    WordEntry entry;
    entry.setBothAnswerDates(defaultDate);
    FieldCursor fields(line);

    const auto text1 = fields.next();
    if (!text1)
        return entry;
    entry.text1 = *text1;
    const auto text2 = fields.next();
    if (!text2)
        return entry;
    entry.text2 = *text2;
    const auto box1 = fields.next();
    if (!box1)
        return entry;
    entry.box1 = parseNumber(*box1);
    const auto box2 = fields.next();
    if (!box2) {
        entry.box2 = parseNumber(fields.rest());
        return entry;
    }
    entry.box2 = parseNumber(*box2);

    for (int* field : {&entry.year1, &entry.month1, &entry.day1, &entry.year2, &entry.month2}) {
        const auto value = fields.next();
        if (!value)
            return entry;
        *field = parseNumber(*value);
    }
    const auto day2 = fields.next();
    if (!day2) {
        entry.day2 = parseNumber(fields.rest());
        return entry;
    }
    entry.day2 = parseNumber(*day2);
    if (const auto category = fields.next())
        entry.category = parseNumber(*category);
    return entry;
}

bool isKeptOnReading(const WordEntry& entry)
{
    if (entry.text1.empty() && entry.text2.empty())
        return false;
    return entry.box1 < 5 || entry.box2 < 5;
}

void writeDataSet(const CWordStore& store, CStdioFileEx& file)
{
    std::u16string line;
    line.reserve(512);
    appendNumber(line, std::max(store.count(), 0));
    line += u"\r\n";
    file.writeText(line);

    line = u"#";
    line += store.listName1();
    line += separator;
    line += store.listName2();
    line += separator;
    for (const auto& name : store.categoryNames()) {
        line += name;
        line += separator;
    }
    line += u";;\r\n";
    file.writeText(line);

    for (const WordEntry& entry : store.entries()) {
        line.clear();
        line += entry.text1;
        line += separator;
        line += entry.text2;
        line += separator;
        for (const int value : {entry.box1, entry.box2, entry.year1, entry.month1, entry.day1, entry.year2,
                                entry.month2, entry.day2, entry.category}) {
            appendNumber(line, value);
            line += separator;
        }
        line += u";\r\n";
        if (!file.writeText(line))
            return;
    }
}

FileResult fileFailure(FileResult::Problem problem, std::u16string path, std::string stage, int errorNumber)
{
    if (errorNumber != 0) {
        stage += ": ";
        stage += std::strerror(errorNumber);
    }
    FileResult result;
    result.problem = problem;
    result.path = std::move(path);
    result.reason = std::move(stage);
    result.errorNumber = errorNumber;
    return result;
}

FileResult readDataSet(CWordStore& store, CStdioFileEx& file)
try {
    std::u16string line;
    file.readLine(line);
    const int announced = std::max(parseNumber(line), 0);

    // The entries are gathered apart and handed over at the end, so that a failed read leaves the
    // store as it was. No more entries are read than the count line announces, but it may be lying:
    // it is trusted for memory as far as the file's size makes it plausible (an entry line written by
    // the program takes 32 bytes or more); beyond that the file's line ends are counted first. Either
    // way room is reserved once, for no more entries than the file can give, and never doubles.
    std::vector<std::u16string> names;
    std::vector<WordEntry> entries;
    auto room = static_cast<unsigned long long>(announced);
    if (room > file.sizeInBytes() / minimumLineBytes)
        room = std::min(room, file.countLineEnds() + 1);
    entries.reserve(static_cast<std::size_t>(room));
    const CalendarDate defaultDate = store.defaultAnswerDate();
    ReadAnomalies anomalies;

    // The header is read even for an empty data set, whose names are kept like any other's.
    bool more = file.readLine(line);
    if (more && !line.empty() && line.front() == u'#') {
        names = parseHeader(line);
        more = file.readLine(line);
    }
    int linesRead = 0;
    bool lastLineCut = false;
    while (linesRead < announced && more) {
        WordEntry entry = parseEntryLine(line, defaultDate);
        if (isKeptOnReading(entry))
            entries.push_back(std::move(entry));
        lastLineCut = !file.lineHadEnd() && !endsWithSeparator(line);
        if (line.capacity() > largeLineUnits)
            std::u16string().swap(line); // its text lives on in the entry; the room is not kept twice
        if (++linesRead < announced)
            more = file.readLine(line);
    }
    // Every line still announced is missing, so empty: none gives an entry.
    anomalies.missingEntryLines = announced - linesRead;
    anomalies.endsInsideLine = lastLineCut || file.droppedOddByte();
    if (entries.empty()) {
        // Lines past the announced ones are not read, but when nothing was read, one that would have
        // given an entry says that the file is not what its count line claims.
        if (announced > 0)
            more = file.readLine(line);
        for (; more && !anomalies.noEntryFromEntryLines; more = file.readLine(line))
            anomalies.noEntryFromEntryLines = isKeptOnReading(parseEntryLine(line, defaultDate));
    }
    anomalies.replacedBytes = file.replacedBytes();
    if (file.hasError())
        return fileFailure(FileResult::Problem::CannotRead, {}, "cannot read the file", file.errorNumber());

    store.clearEntries(CWordStore::AfterClear::NoDataSet);
    applyNames(store, std::move(names));
    store.replaceEntries(std::move(entries));
    FileResult result;
    result.anomalies = anomalies;
    result.stamp = file.stamp();
    return result;
} catch (const std::bad_alloc&) {
    return fileFailure(FileResult::Problem::OutOfMemory, {}, "not enough memory to read the file", ENOMEM);
}

FileResult openFailure(FileSystem& fileSystem, const std::u16string& path, const CStdioFileEx& file)
{
    if (file.refusedKind() != FileKind::Regular) {
        FileResult result = fileFailure(FileResult::Problem::NotRegularFile, path, "not a regular file", 0);
        result.kind = file.refusedKind();
        result.errorNumber = file.errorNumber();
        return result;
    }
    FileResult result =
        fileFailure(FileResult::Problem::CannotOpen, path, "cannot open the file", file.errorNumber());
    struct stat status = {};
    if (file.errorNumber() == ENOENT && fileSystem.linkStatus(pathBytes(path), status) == 0 &&
        S_ISLNK(status.st_mode))
        result.reason = "the link points to a file that does not exist";
    if (file.errorNumber() == ENOENT)
        result.kind = FileKind::Missing;
    return result;
}

FileResult readDataSet(FileSystem& fileSystem, CWordStore& store, const std::u16string& path)
{
    CStdioFileEx file(fileSystem);
    if (!file.openText(pathBytes(path), CStdioFileEx::modeRead | CStdioFileEx::typeText))
        return openFailure(fileSystem, path, file);
    FileResult result = readDataSet(store, file);
    file.closeFile();
    result.path = path;
    return result;
}

FileResult saveDataSet(FileSystem& fileSystem, const CWordStore& store, SaveTarget target,
                       const SaveOptions& options)
{
    const auto writeStore = [&](int fd) {
        CStdioFileEx file(fileSystem);
        file.attachForWriting(fd, writeMode);
        writeDataSet(store, file);
        file.detachDescriptor();
        return file.errorNumber();
    };
    if (target == SaveTarget::DataFile)
        return replaceFile(fileSystem, store.dataPath(), writeStore, options);

    // A backup takes the owner and mode of its data set; the previous backups move a place down once
    // the new one is complete, unless it holds the very same bytes.
    struct stat dataSet = {};
    const bool hasModel =
        fileSystem.status(pathBytes(store.dataPath()), dataSet) == 0 && S_ISREG(dataSet.st_mode);
    const auto makeRoom = [&](const std::string& temporary, bool& keepTarget) {
        return makeRoomForBackup(fileSystem, store.dataPath(), temporary, keepTarget);
    };
    return replaceFile(fileSystem, backupPath(store.dataPath()), writeStore, options,
                       hasModel ? &dataSet : nullptr, makeRoom);
}
