#include "FileFacts.h"

#include "FileSystem.h"
#include "TextCodec.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

FileKind fileKindOf(const struct stat& status)
{
    if (S_ISREG(status.st_mode))
        return FileKind::Regular;
    if (S_ISDIR(status.st_mode))
        return FileKind::Folder;
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return FileKind::Device;
    if (S_ISFIFO(status.st_mode))
        return FileKind::Fifo;
    if (S_ISSOCK(status.st_mode))
        return FileKind::Socket;
    return FileKind::Other;
}

FileStamp stampOf(const struct stat& status)
{
    FileStamp stamp;
    stamp.exists = true;
    stamp.device = static_cast<unsigned long long>(status.st_dev);
    stamp.inode = static_cast<unsigned long long>(status.st_ino);
    stamp.size = static_cast<long long>(status.st_size);
    stamp.modifiedNanoseconds =
        static_cast<long long>(status.st_mtim.tv_sec) * 1'000'000'000LL + status.st_mtim.tv_nsec;
    return stamp;
}

std::u16string absolutePath(FileSystem& fileSystem, const std::u16string& path)
{
    if (!path.empty() && path.front() == u'/')
        return path;
    std::string folder = fileSystem.currentFolder();
    if (folder.empty())
        return path;
    if (folder.back() != '/')
        folder += '/';
    return pathFromBytes(folder) + path;
}

FileFacts inspectFile(FileSystem& fileSystem, const std::string& path)
{
    FileFacts facts;
    struct stat status = {};
    if (fileSystem.status(path, status) != 0) {
        facts.errorNumber = errno;
        return facts;
    }
    facts.kind = fileKindOf(status);
    facts.size = static_cast<unsigned long long>(status.st_size);
    facts.stamp = stampOf(status);
    return facts;
}

FileFacts inspectFile(FileSystem& fileSystem, const std::u16string& path)
{
    return inspectFile(fileSystem, pathBytes(path));
}

FileChange changeSince(FileSystem& fileSystem, const std::u16string& path, const FileStamp& known)
{
    const FileFacts now = inspectFile(fileSystem, path);
    if (!now.stamp.exists)
        return known.exists ? FileChange::Vanished : FileChange::Unchanged;
    return now.stamp == known ? FileChange::Unchanged : FileChange::Modified;
}

int openRegularFile(FileSystem& fileSystem, const std::string& path, struct stat& status, FileKind& refused)
{
    refused = FileKind::Regular;
    if (fileSystem.status(path, status) == 0 && !S_ISREG(status.st_mode)) {
        refused = fileKindOf(status);
        errno = refused == FileKind::Folder ? EISDIR : EINVAL;
        return -1;
    }
    const int fd = fileSystem.open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return -1;
    if (fileSystem.descriptorStatus(fd, status) != 0 || !S_ISREG(status.st_mode)) {
        const int errorNumber = errno;
        refused = S_ISREG(status.st_mode) ? FileKind::Regular : fileKindOf(status);
        fileSystem.close(fd);
        errno = refused == FileKind::Folder ? EISDIR : (refused == FileKind::Regular ? errorNumber : EINVAL);
        return -1;
    }
    // Reads of a regular file never wait, so a failure here changes nothing that matters.
    fileSystem.setBlocking(fd);
    return fd;
}
