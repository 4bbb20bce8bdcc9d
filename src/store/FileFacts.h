#pragma once

#include <string>
#include <sys/types.h>

class FileSystem;
struct stat;

// What a path names, as far as reading and saving care.
enum class FileKind
{
    Missing,
    Regular,
    Folder,
    Device,
    Fifo,
    Socket,
    Other
};

// The identity of a file's contents as this program last read or wrote them. A save compares it with
// the file on disk to find out whether another program, or another window of this one, has changed
// the file since: a save by rename gives a new inode, a write in place a new size or time.
struct FileStamp
{
    bool exists = false;
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

struct FileFacts
{
    FileKind kind = FileKind::Missing;
    int errorNumber = 0; // why stat failed; 0 for a file found
    unsigned long long size = 0;
    FileStamp stamp;
};

// Files above this size are read only after the user has agreed: reading one takes seconds and
// several times its size in memory.
constexpr unsigned long long largeFileBytes = 512ull * 1024 * 1024;

FileKind fileKindOf(const struct stat& status);
FileStamp stampOf(const struct stat& status);

// A path as given on the command line, made absolute against the current folder without decoding
// it: "Listo.zenv" becomes "/home/ana/Listo.zenv" with every byte of both kept (see pathBytes).
std::u16string absolutePath(FileSystem& fileSystem, const std::u16string& path);

// Looks at a path without opening it, following links. path holds the file name's bytes.
FileFacts inspectFile(FileSystem& fileSystem, const std::string& path);
// The same for a path as the program holds it (see pathBytes).
FileFacts inspectFile(FileSystem& fileSystem, const std::u16string& path);

enum class FileChange
{
    Unchanged,
    Modified, // another file, or other contents, now stands at the path
    Vanished
};

// Compares the file at path with what this program last read or wrote there.
FileChange changeSince(FileSystem& fileSystem, const std::u16string& path, const FileStamp& known);

// Opens a regular file for reading without ever blocking: anything else is refused before it is
// opened where stat can tell, and again after opening with O_NONBLOCK, so that a FIFO cannot hold
// the open and no byte of a device is read. Returns -1 with errno set; refused then holds the kind of
// a file that is not regular (Regular when the open itself failed). status receives the file's facts.
int openRegularFile(FileSystem& fileSystem, const std::string& path, struct stat& status, FileKind& refused);
