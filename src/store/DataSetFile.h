#pragma once

#include "CalendarDate.h"
#include "FileFacts.h"
#include "WordEntry.h"

#include <string>
#include <string_view>

class CStdioFileEx;
class CWordStore;
class FileSystem;

// What looked wrong in a file that could be read. A command that finds any of these loads what was
// read, tells the user, and leaves the file and its backups as they are until the user saves.
struct ReadAnomalies
{
    // The file holds lines that would give entries, yet none was read (a count line that is not a
    // number, or 0, in front of entries).
    bool noEntryFromEntryLines = false;
    // Entry lines announced by the count line but missing from the file.
    long long missingEntryLines = 0;
    // The file ends in the middle of an entry line (or of a UTF-16 code unit).
    bool endsInsideLine = false;
    // Malformed bytes of a UTF-8 file with byte-order mark, read as U+FFFD.
    unsigned long long replacedBytes = 0;

    bool any() const
    {
        return noEntryFromEntryLines || missingEntryLines > 0 || endsInsideLine || replacedBytes > 0;
    }
    bool operator==(const ReadAnomalies&) const = default;
};

// The outcome of reading or writing a file: on failure, which file, at which step and why, for the
// user to read. reason is an English sentence for logs and tests; errorNumber (an errno value, 0
// when the system gave none) and the fields below let the caller say the same in the user's words.
struct FileResult
{
    enum class Problem
    {
        None,
        CannotOpen,
        CannotRead,
        CannotWrite,
        NotRegularFile, // kind says what the path names instead
        OutOfMemory,    // the file is too large for the memory at hand
        NotWritable,    // refused without the caller's confirmation; see ownedByOther
        LinkTargetFolderMissing,
        AttributesNotKept, // the new file could not take the old one's owner or mode; nothing replaced
        FolderNotSynced    // the file was replaced (see stamp), but a crash could still undo that
    };

    Problem problem = Problem::None;
    std::u16string path;
    std::string reason;
    int errorNumber = 0;
    FileKind kind = FileKind::Regular;
    // NotWritable: the file belongs to another user (ownerName, or the number when it has no name);
    // otherwise its permissions forbid writing.
    bool ownedByOther = false;
    std::string ownerName;
    // A successful read: what looked wrong. A successful read or write: the file as read or written,
    // for changeSince() before the next save.
    ReadAnomalies anomalies;
    FileStamp stamp;

    explicit operator bool() const { return problem == Problem::None; }
};

// A failed result: stage says what was being done, followed by the system's reason for errorNumber
// (none for 0).
FileResult fileFailure(FileResult::Problem problem, std::u16string path, std::string stage, int errorNumber);

enum class SaveTarget
{
    DataFile, // dataPath
    Backup    // the backup beside it, the older backups kept (see DataSetBackups.h); backUpFile there
              // writes the backup as a byte copy of the file as found instead
};

struct SaveOptions
{
    // The user has agreed to replace a file that they may not write or that belongs to another user
    // (a save refuses such a file with Problem::NotWritable otherwise).
    bool replaceProtected = false;
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

// The failure of CStdioFileEx::openText on path, in the words of a FileResult.
FileResult openFailure(FileSystem& fileSystem, const std::u16string& path, const CStdioFileEx& file);

// Writes the whole store (count line, header line, entry lines) into a file opened in UTF-16 mode.
void writeDataSet(const CWordStore& store, CStdioFileEx& file);

// Replaces the entries and names of the store by the contents of an open text file. On a read error,
// or when memory runs out, the store is left untouched and the result says why. A successful result
// lists what looked wrong in the file. The read takes at most 20 bytes of memory per byte of file,
// plus 8 MiB, beyond the store's old entries: room for the entries is reserved once, never doubled.
FileResult readDataSet(CWordStore& store, CStdioFileEx& file);
// The same for a path (see pathBytes); a file that cannot be opened, or that is not a regular file,
// is a failure too.
FileResult readDataSet(FileSystem& fileSystem, CWordStore& store, const std::u16string& path);

// Writes the store to dataPath or to its backup. The data goes to a temporary file in the same folder
// that is synced and then renamed over the target: whatever fails, the previous file stays as it
// was, no temporary file is left behind, and the result names the file and the reason. The rules of
// replaceFile (FileReplacement.h) apply: links, protected files, owner and mode, and the folder sync
// after the rename (FolderNotSynced: the file is written, yet the result says it may not last). A
// successful result holds the stamp of the file written. Every call goes through fileSystem.
FileResult saveDataSet(FileSystem& fileSystem, const CWordStore& store,
                       SaveTarget target = SaveTarget::DataFile, const SaveOptions& options = {});
