#pragma once

#include "CalendarDate.h"
#include "FileSystem.h"
#include "WordEntry.h"

#include <functional>
#include <string>
#include <string_view>

class CStdioFileEx;
class CWordStore;

// The outcome of reading or writing a file: on failure, which file, at which step and why, for the
// user to read.
struct FileResult
{
    enum class Problem
    {
        None,
        CannotOpen,
        CannotRead,
        CannotWrite
    };

    Problem problem = Problem::None;
    std::u16string path;
    std::string reason;

    explicit operator bool() const { return problem == Problem::None; }
};

enum class SaveTarget
{
    DataFile, // dataPath
    Backup    // the backup file beside it
};

// The backup path of a data set: the path without its last five characters (".zenv"), then "_sav.zenv".
std::u16string backupPath(std::u16string_view dataPath);

// Reads a leading decimal integer: white space skipped, an optional sign, digits up to the first
// non-digit. No digit gives 0; values beyond the 32-bit range are clamped to it.
int parseNumber(std::u16string_view field);

// Parses one entry line; fields that the line leaves out keep their defaults (empty texts, boxes 0,
// both dates defaultDate, category 0).
WordEntry parseEntryLine(std::u16string_view line, const CalendarDate& defaultDate);

// An entry is kept unless both texts are empty or it is learned in both directions.
bool isKeptOnReading(const WordEntry& entry);

// Writes the whole store (count line, header line, entry lines) into a file opened in UTF-16 mode.
void writeDataSet(const CWordStore& store, CStdioFileEx& file);

// Replaces the entries and names of the store by the contents of an open text file. On a read error
// the store is left untouched and the result says why.
FileResult readDataSet(CWordStore& store, CStdioFileEx& file);
// The same for a path; a file that cannot be opened is a failure too.
FileResult readDataSet(CWordStore& store, const std::u16string& path);

// Writes the store to dataPath or to its backup. The data goes to a temporary file in the same folder
// that is synced and then renamed over the target: whatever fails, the previous file stays as it
// was, no temporary file is left behind, and the result names the file and the reason.
FileResult saveDataSet(const CWordStore& store, SaveTarget target = SaveTarget::DataFile,
                       FileSystem& fileSystem = FileSystem::system());

// The safe save behind saveDataSet, for any file the program writes: write() fills a file opened
// with mode (CStdioFileEx flags) on a temporary beside shownPath, which is then synced and renamed
// over it, with the same guarantees.
FileResult saveFileSafely(std::u16string shownPath, unsigned mode,
                          const std::function<void(CStdioFileEx&)>& write,
                          FileSystem& fileSystem = FileSystem::system());
