#include "FailingFileSystem.h"

#include <cerrno>
#include <sys/stat.h>

int FailingFileSystem::createTemporary(std::string& pathTemplate)
{
    return fails(Call::CreateTemporary) ? -1 : PosixFileSystem::createTemporary(pathTemplate);
}

int FailingFileSystem::changeOwner(int fd, uid_t owner, gid_t group)
{
    return fails(Call::ChangeOwner) ? -1 : PosixFileSystem::changeOwner(fd, owner, group);
}

int FailingFileSystem::changeMode(int fd, mode_t mode)
{
    return fails(Call::ChangeMode) ? -1 : PosixFileSystem::changeMode(fd, mode);
}

ssize_t FailingFileSystem::write(int fd, const void* data, std::size_t size)
{
    ++writes;
    return fails(Call::Write) ? -1 : PosixFileSystem::write(fd, data, size);
}

int FailingFileSystem::sync(int fd)
{
    return fails(Call::Sync) ? -1 : PosixFileSystem::sync(fd);
}

int FailingFileSystem::close(int fd)
{
    // The descriptor is closed either way, as POSIX leaves it after a failed close.
    const int result = PosixFileSystem::close(fd);
    return fails(Call::Close) ? -1 : result;
}

int FailingFileSystem::rename(const std::string& from, const std::string& to)
{
    return fails(Call::Rename) ? -1 : PosixFileSystem::rename(from, to);
}

int FailingFileSystem::syncFolder(const std::string& folder)
{
    return fails(Call::SyncFolder) ? -1 : PosixFileSystem::syncFolder(folder);
}

int FailingFileSystem::status(const std::string& path, struct stat& status)
{
    const int result = PosixFileSystem::status(path, status);
    if (result == 0 && path == othersFile)
        status.st_uid = 65534;
    return result;
}

bool FailingFileSystem::fails(Call call)
{
    if (call != m_call || ++m_seen != m_occurrence)
        return false;
    errno = m_errorNumber;
    return true;
}
