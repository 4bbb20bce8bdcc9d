#include "FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

int FileSystem::openForWriting(const std::string& path)
{
    int fd = -1;
    do
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    return fd;
}

int FileSystem::createTemporary(std::string& pathTemplate)
{
    return ::mkostemp(pathTemplate.data(), O_CLOEXEC);
}

ssize_t FileSystem::write(int fd, const void* data, std::size_t size)
{
    return ::write(fd, data, size);
}

int FileSystem::sync(int fd)
{
    return ::fsync(fd);
}

int FileSystem::close(int fd)
{
    return ::close(fd);
}

int FileSystem::rename(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str());
}

int FileSystem::remove(const std::string& path)
{
    return ::unlink(path.c_str());
}

FileSystem& FileSystem::system()
{
    static FileSystem real;
    return real;
}
