#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

// The operating-system calls of the writing path, behind one seam so that tests can make any one of
// them fail. Each call behaves like its POSIX namesake: -1 and errno on failure.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // Opens the file for writing, created or truncated.
    virtual int openForWriting(const std::string& path);
    // Creates a new file from a template ending in XXXXXX, which is replaced by the name used.
    virtual int createTemporary(std::string& pathTemplate);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int sync(int fd);
    virtual int close(int fd);
    virtual int rename(const std::string& from, const std::string& to);
    virtual int remove(const std::string& path);

    // The real calls.
    static FileSystem& system();
};
