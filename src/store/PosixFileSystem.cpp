#include "PosixFileSystem.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

int PosixFileSystem::open(const std::string& path, int flags, mode_t mode)
{
    int fd = -1;
    do
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

int PosixFileSystem::createTemporary(std::string& pathTemplate)
{
    return ::mkostemp(pathTemplate.data(), O_CLOEXEC);
}

ssize_t PosixFileSystem::read(int fd, void* data, std::size_t size)
{
    ssize_t got = -1;
    do
        got = ::read(fd, data, size);
    while (got < 0 && errno == EINTR);
    return got;
}

ssize_t PosixFileSystem::readAt(int fd, void* data, std::size_t size, off_t offset)
{
    ssize_t got = -1;
    do
        got = ::pread(fd, data, size, offset);
    while (got < 0 && errno == EINTR);
    return got;
}

ssize_t PosixFileSystem::write(int fd, const void* data, std::size_t size)
{
    return ::write(fd, data, size);
}

off_t PosixFileSystem::seek(int fd, off_t offset, int whence)
{
    return ::lseek(fd, offset, whence);
}

int PosixFileSystem::sync(int fd)
{
    return ::fsync(fd);
}

int PosixFileSystem::close(int fd)
{
    return ::close(fd);
}

int PosixFileSystem::setBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags < 0 ? -1 : ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
}

int PosixFileSystem::status(const std::string& path, struct stat& status)
{
    return ::stat(path.c_str(), &status);
}

int PosixFileSystem::linkStatus(const std::string& path, struct stat& status)
{
    return ::lstat(path.c_str(), &status);
}

int PosixFileSystem::descriptorStatus(int fd, struct stat& status)
{
    return ::fstat(fd, &status);
}

int PosixFileSystem::readLink(const std::string& path, std::string& target)
{
    // A link may grow between the lstat that sized the buffer and the read, so the read is repeated
    // with more room until the contents fit.
    target.assign(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0)
            return -1;
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return 0;
        }
        if (target.size() >= 1 << 16) {
            errno = ENAMETOOLONG;
            return -1;
        }
        target.resize(target.size() * 2);
    }
}

int PosixFileSystem::listFolder(const std::string& folder, std::vector<std::string>& names)
{
    names.clear();
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr)
        return -1;
    errno = 0;
    while (const dirent* entry = ::readdir(directory)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    const int errorNumber = errno;
    ::closedir(directory);
    errno = errorNumber;
    return errorNumber == 0 ? 0 : -1;
}

std::string PosixFileSystem::currentFolder()
{
    std::string folder(4096, '\0');
    while (::getcwd(folder.data(), folder.size()) == nullptr) {
        if (errno != ERANGE)
            return {};
        folder.resize(folder.size() * 2);
    }
    folder.resize(std::char_traits<char>::length(folder.c_str()));
    return folder;
}

int PosixFileSystem::changeMode(int fd, mode_t mode)
{
    return ::fchmod(fd, mode);
}

int PosixFileSystem::changeOwner(int fd, uid_t owner, gid_t group)
{
    return ::fchown(fd, owner, group);
}

int PosixFileSystem::rename(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str());
}

int PosixFileSystem::remove(const std::string& path)
{
    return ::unlink(path.c_str());
}

int PosixFileSystem::makeFolder(const std::string& path, mode_t mode)
{
    return ::mkdir(path.c_str(), mode);
}

int PosixFileSystem::syncFolder(const std::string& folder)
{
    const int fd = open(folder, O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return -1;
    const int synced = ::fsync(fd);
    const int errorNumber = errno;
    ::close(fd);
    errno = errorNumber;
    return synced;
}

mode_t PosixFileSystem::creationMask()
{
    // umask can only be read by setting it; the lock keeps two saves from seeing each other's 0.
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

uid_t PosixFileSystem::effectiveUser()
{
    return ::geteuid();
}

gid_t PosixFileSystem::effectiveGroup()
{
    return ::getegid();
}

std::string PosixFileSystem::userName(uid_t user)
{
    std::vector<char> buffer(16384);
    passwd entry = {};
    passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
        return found->pw_name;
    return std::to_string(user);
}

pid_t PosixFileSystem::processId()
{
    return ::getpid();
}

bool PosixFileSystem::processRuns(pid_t process)
{
    // EPERM means that the process runs under another user.
    return ::kill(process, 0) == 0 || errno != ESRCH;
}
