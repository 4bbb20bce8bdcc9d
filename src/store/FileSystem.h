#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>
#include <vector>

struct stat;

// Every operating-system call of the store's and the exchange's file code, behind one seam: the
// application owns one real file system (PosixFileSystem) and hands it to each reading and writing
// function, and tests hand over one that makes any call fail. Each call behaves like its POSIX
// namesake: -1 (or false) and errno on failure.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // open(2), retried after a signal; mode applies when flags create the file.
    virtual int open(const std::string& path, int flags, mode_t mode = 0) = 0;
    // Creates a new file from a template ending in XXXXXX, which is replaced by the name used.
    virtual int createTemporary(std::string& pathTemplate) = 0;
    virtual ssize_t read(int fd, void* data, std::size_t size) = 0;
    // pread(2), retried after a signal: reads at offset without moving the file position.
    virtual ssize_t readAt(int fd, void* data, std::size_t size, off_t offset) = 0;
    virtual ssize_t write(int fd, const void* data, std::size_t size) = 0;
    virtual off_t seek(int fd, off_t offset, int whence) = 0;
    virtual int sync(int fd) = 0;
    virtual int close(int fd) = 0;
    // Makes reads of a descriptor opened with O_NONBLOCK wait again.
    virtual int setBlocking(int fd) = 0;

    virtual int status(const std::string& path, struct stat& status) = 0;     // stat(2)
    virtual int linkStatus(const std::string& path, struct stat& status) = 0; // lstat(2)
    virtual int descriptorStatus(int fd, struct stat& status) = 0;            // fstat(2)
    // The contents of a symbolic link, whole.
    virtual int readLink(const std::string& path, std::string& target) = 0;
    // The names in a folder, "." and ".." left out.
    virtual int listFolder(const std::string& folder, std::vector<std::string>& names) = 0;
    // The current folder, or an empty string with errno set.
    virtual std::string currentFolder() = 0;

    virtual int changeMode(int fd, mode_t mode) = 0;               // fchmod(2)
    virtual int changeOwner(int fd, uid_t owner, gid_t group) = 0; // fchown(2); -1 keeps one
    virtual int rename(const std::string& from, const std::string& to) = 0;
    virtual int remove(const std::string& path) = 0;                  // unlink(2)
    virtual int makeFolder(const std::string& path, mode_t mode) = 0; // mkdir(2)
    // Makes the entries of a folder (a rename into it) durable.
    virtual int syncFolder(const std::string& folder) = 0;

    // The permission bits that the process leaves out of the files it creates (its umask).
    virtual mode_t creationMask() = 0;
    virtual uid_t effectiveUser() = 0;
    virtual gid_t effectiveGroup() = 0;
    // The user's login name, or the number when the user has none.
    virtual std::string userName(uid_t user) = 0;
    virtual pid_t processId() = 0;
    // False only when no process of that number exists; one of another user counts as running.
    virtual bool processRuns(pid_t process) = 0;
};
