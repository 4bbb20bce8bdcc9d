#include "FileReplacement.h"

#include "FileSystem.h"
#include "TextCodec.h"

#include <cerrno>
#include <sys/stat.h>
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

// Whether a failed fchmod or fchown of our own fresh file only says that the file system keeps no
// such facts (a FAT drive, a share), or, for fchown, that the process may not give a file away. The
// file then stays the process's own, and without a mode of its own readable by the process alone;
// any other failure ends the save.
bool cannotHoldAttribute(int errorNumber)
{
    return errorNumber == EPERM || errorNumber == EINVAL || errorNumber == ENOTSUP ||
           errorNumber == EOPNOTSUPP;
}

// Gives the fresh file fd (described by created) the owner, group and mode of like, or mode alone
// for a new file. Returns 0 or the errno value of a failure that should not have happened.
int takeAttributes(FileSystem& fileSystem, int fd, const struct stat& created, const struct stat* like,
                   mode_t mode)
{
    if (like != nullptr && (like->st_uid != created.st_uid || like->st_gid != created.st_gid)) {
        // Only a privileged process may give a file away; a group of the process's can always be set.
        int changed = fileSystem.changeOwner(fd, like->st_uid, like->st_gid);
        if (changed != 0 && cannotHoldAttribute(errno) && like->st_gid != created.st_gid)
            changed = fileSystem.changeOwner(fd, static_cast<uid_t>(-1), like->st_gid);
        if (changed != 0 && !cannotHoldAttribute(errno))
            return errno != 0 ? errno : EIO;
    }
    if ((created.st_mode & 07777) != mode && fileSystem.changeMode(fd, mode) != 0 &&
        !cannotHoldAttribute(errno))
        return errno != 0 ? errno : EIO;
    return 0;
}

} // namespace

bool resolveLinks(FileSystem& fileSystem, const std::string& path, std::string& resolved, bool& throughLink)
{
    resolved = path;
    throughLink = false;
    for (int hop = 0; hop < maximumLinkHops; ++hop) {
        struct stat status = {};
        if (fileSystem.linkStatus(resolved, status) != 0)
            return errno == ENOENT; // a target still to be created
        if (!S_ISLNK(status.st_mode))
            return true;
        std::string next;
        if (fileSystem.readLink(resolved, next) != 0)
            return false;
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

int removeStaleTemporaryFiles(FileSystem& fileSystem, const std::string& folder)
{
    std::vector<std::string> names;
    if (fileSystem.listFolder(folder, names) != 0)
        return 0;
    int removed = 0;
    const pid_t self = fileSystem.processId();
    for (const std::string& name : names) {
        const pid_t owner = temporaryOwner(name);
        if (owner <= 0 || owner == self || fileSystem.processRuns(owner))
            continue;
        const std::string path = folder + "/" + name;
        struct stat status = {};
        if (fileSystem.linkStatus(path, status) == 0 && S_ISREG(status.st_mode) &&
            fileSystem.remove(path) == 0)
            ++removed;
    }
    return removed;
}

FileResult replaceFile(FileSystem& fileSystem, const std::u16string& shownPath,
                       const std::function<int(int fd)>& writeContent, const SaveOptions& options,
                       const struct stat* model, const BeforeReplacing& beforeReplacing)
{
    using Problem = FileResult::Problem;
    const std::string named = pathBytes(shownPath);
    if (named.empty())
        return fileFailure(Problem::CannotWrite, shownPath, "no file name", 0);

    std::string path;
    bool throughLink = false;
    if (!resolveLinks(fileSystem, named, path, throughLink))
        return fileFailure(Problem::CannotWrite, shownPath, "cannot follow the link", errno);
    const std::string folder = folderOf(path);
    struct stat folderStatus = {};
    if (throughLink && (fileSystem.status(folder, folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode)))
        return fileFailure(Problem::LinkTargetFolderMissing, shownPath,
                           "the folder the link points into is missing", ENOENT);

    struct stat status = {};
    const bool exists = fileSystem.status(path, status) == 0;
    if (exists && !S_ISREG(status.st_mode)) {
        FileResult result = fileFailure(Problem::NotRegularFile, shownPath, "not a regular file", 0);
        result.kind = fileKindOf(status);
        return result;
    }
    const bool ownedByOther = exists && status.st_uid != fileSystem.effectiveUser();
    if (exists && model == nullptr && !options.replaceProtected &&
        (ownedByOther || (status.st_mode & S_IWUSR) == 0)) {
        const std::string owner = ownedByOther ? fileSystem.userName(status.st_uid) : std::string();
        FileResult result =
            fileFailure(Problem::NotWritable, shownPath,
                        ownedByOther ? "the file belongs to " + owner : std::string("the file is read-only"),
                        ownedByOther ? EPERM : EACCES);
        result.ownedByOther = ownedByOther;
        result.ownerName = owner;
        return result;
    }
    mode_t mode = 0666 & ~fileSystem.creationMask();
    const struct stat* like = model != nullptr ? model : (exists ? &status : nullptr);
    if (like != nullptr)
        mode = like->st_mode & (model != nullptr ? 0666 : 0777);

    removeStaleTemporaryFiles(fileSystem, folder);
    std::string temporary =
        folder + "/" + std::string(temporaryPrefix) + std::to_string(fileSystem.processId()) + "-XXXXXX";
    const int fd = fileSystem.createTemporary(temporary);
    if (fd < 0)
        return fileFailure(Problem::CannotWrite, shownPath, "cannot create a file in its folder", errno);

    Problem problem = Problem::CannotWrite;
    const char* stage = "cannot write the file";
    struct stat created = {};
    int errorNumber = 0;
    if (fileSystem.descriptorStatus(fd, created) != 0) {
        errorNumber = errno != 0 ? errno : EIO;
        stage = "cannot look at the new file";
    } else if ((errorNumber = takeAttributes(fileSystem, fd, created, like, mode)) != 0) {
        problem = Problem::AttributesNotKept;
        stage = "cannot give the new file the owner and permissions of the old one";
    }
    if (errorNumber == 0)
        errorNumber = writeContent(fd);
    if (errorNumber == 0 && fileSystem.sync(fd) != 0)
        errorNumber = errno != 0 ? errno : EIO;
    FileResult result;
    struct stat written = {};
    if (errorNumber == 0 && fileSystem.descriptorStatus(fd, written) == 0)
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
        return fileFailure(problem, shownPath, stage, errorNumber);
    }
    // The file holds the new content now; only a crash before the folder reaches the disk could still
    // bring the old one back. A file system that cannot sync folders at all has nothing more to give.
    if (fileSystem.syncFolder(folder) != 0 && errno != EINVAL && errno != ENOTSUP && errno != EOPNOTSUPP) {
        FileResult unsynced = fileFailure(Problem::FolderNotSynced, shownPath,
                                          "the file was replaced, but its folder could not be synced",
                                          errno != 0 ? errno : EIO);
        unsynced.stamp = result.stamp;
        return unsynced;
    }
    result.path = shownPath;
    return result;
}
