#include "FileReplacement.h"

#include "FileSystem.h"
#include "TextCodec.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view temporaryPrefix = ".zenvalo-";
constexpr int maximumLinkHops = 40;

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

std::string userName(uid_t user)
{
    std::vector<char> buffer(16384);
    passwd entry = {};
    passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
        return found->pw_name;
    return std::to_string(user);
}

// The process id in a temporary name of ours, or 0 when the name is not one.
pid_t temporaryOwner(std::string_view name)
{
    if (name.substr(0, temporaryPrefix.size()) != temporaryPrefix)
        return 0;
    name.remove_prefix(temporaryPrefix.size());
    const std::size_t dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || name.size() - dash - 1 != 6)
        return 0;
    long pid = 0;
    for (const char c : name.substr(0, dash)) {
        if (c < '0' || c > '9' || pid > 100'000'000)
            return 0;
        pid = pid * 10 + (c - '0');
    }
    return static_cast<pid_t>(pid);
}

} // namespace

bool resolveLinks(const std::string& path, std::string& resolved, bool& throughLink)
{
    resolved = path;
    throughLink = false;
    for (int hop = 0; hop < maximumLinkHops; ++hop) {
        struct stat status = {};
        if (::lstat(resolved.c_str(), &status) != 0)
            return errno == ENOENT; // a target still to be created
        if (!S_ISLNK(status.st_mode))
            return true;
        std::vector<char> target(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 255) + 2);
        const ssize_t length = ::readlink(resolved.c_str(), target.data(), target.size());
        if (length < 0)
            return false;
        if (static_cast<std::size_t>(length) >= target.size()) {
            errno = ENAMETOOLONG;
            return false;
        }
        std::string next(target.data(), static_cast<std::size_t>(length));
        if (next.empty()) {
            errno = ENOENT;
            return false;
        }
        resolved = next.front() == '/' ? next : folderOf(resolved) + "/" + next;
        throughLink = true;
    }
    errno = ELOOP;
    return false;
}

int removeStaleTemporaryFiles(const std::string& folder)
{
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr)
        return 0;
    int removed = 0;
    const pid_t self = ::getpid();
    while (const dirent* entry = ::readdir(directory)) {
        const pid_t owner = temporaryOwner(entry->d_name);
        if (owner <= 0 || owner == self)
            continue;
        // EPERM means that the process runs under another user: its file stays.
        if (::kill(owner, 0) == 0 || errno != ESRCH)
            continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat status = {};
        if (::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(directory);
    return removed;
}

FileResult replaceFile(const std::u16string& shownPath, const std::function<int(int fd)>& writeContent,
                       const SaveOptions& options, FileSystem& fileSystem, const struct stat* model,
                       const BeforeReplacing& beforeReplacing)
{
    using Problem = FileResult::Problem;
    const std::string named = pathBytes(shownPath);
    if (named.empty())
        return fileFailure(Problem::CannotWrite, shownPath, "no file name", 0);

    std::string path;
    bool throughLink = false;
    if (!resolveLinks(named, path, throughLink))
        return fileFailure(Problem::CannotWrite, shownPath, "cannot follow the link", errno);
    const std::string folder = folderOf(path);
    struct stat folderStatus = {};
    if (throughLink && (::stat(folder.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode)))
        return fileFailure(Problem::LinkTargetFolderMissing, shownPath,
                           "the folder the link points into is missing", ENOENT);

    struct stat status = {};
    const bool exists = ::stat(path.c_str(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode)) {
        FileResult result = fileFailure(Problem::NotRegularFile, shownPath, "not a regular file", 0);
        result.kind = fileKindOf(status);
        return result;
    }
    const bool ownedByOther = exists && status.st_uid != ::geteuid();
    if (exists && model == nullptr && !options.replaceProtected &&
        (ownedByOther || (status.st_mode & S_IWUSR) == 0)) {
        FileResult result = fileFailure(Problem::NotWritable, shownPath,
                                        ownedByOther ? "the file belongs to " + userName(status.st_uid)
                                                     : std::string("the file is read-only"),
                                        ownedByOther ? EPERM : EACCES);
        result.ownedByOther = ownedByOther;
        if (ownedByOther)
            result.ownerName = userName(status.st_uid);
        return result;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode_t mode = 0666 & ~mask;
    const struct stat* like = model != nullptr ? model : (exists ? &status : nullptr);
    if (like != nullptr)
        mode = like->st_mode & (model != nullptr ? 0666 : 0777);

    removeStaleTemporaryFiles(folder);
    std::string temporary =
        folder + "/" + std::string(temporaryPrefix) + std::to_string(::getpid()) + "-XXXXXX";
    const int fd = fileSystem.createTemporary(temporary);
    if (fd < 0)
        return fileFailure(Problem::CannotWrite, shownPath, "cannot create a file in its folder", errno);
    if (like != nullptr && (like->st_uid != ::geteuid() || like->st_gid != ::getegid())) {
        // Only a privileged process may give a file away; a group of ours can always be kept.
        if (::fchown(fd, like->st_uid, like->st_gid) != 0 &&
            ::fchown(fd, static_cast<uid_t>(-1), like->st_gid) != 0) {
            // Neither could be kept: the file is the process's own, in its own group.
        }
    }
    ::fchmod(fd, mode);

    int errorNumber = writeContent(fd);
    const char* stage = "cannot write the file";
    if (errorNumber == 0 && fileSystem.sync(fd) != 0)
        errorNumber = errno != 0 ? errno : EIO;
    FileResult result;
    struct stat written = {};
    if (errorNumber == 0 && ::fstat(fd, &written) == 0)
        result.stamp = stampOf(written);
    if (fileSystem.close(fd) != 0 && errorNumber == 0)
        errorNumber = errno != 0 ? errno : EIO;
    bool keepTarget = false;
    if (errorNumber == 0 && beforeReplacing) {
        errorNumber = beforeReplacing(temporary, keepTarget);
        if (errorNumber != 0)
            stage = "cannot keep the previous backup";
    }
    if (errorNumber == 0 && keepTarget) {
        fileSystem.remove(temporary);
        result.path = shownPath;
        return result;
    }
    if (errorNumber == 0 && fileSystem.rename(temporary, path) != 0) {
        errorNumber = errno;
        stage = "cannot replace the file";
    }
    if (errorNumber != 0) {
        fileSystem.remove(temporary);
        return fileFailure(Problem::CannotWrite, shownPath, stage, errorNumber);
    }
    syncFolder(folder);
    result.path = shownPath;
    return result;
}
