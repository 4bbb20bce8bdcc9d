#include "DataSetBackups.h"

#include "FileFacts.h"
#include "FileReplacement.h"
#include "FileSystem.h"
#include "TextCodec.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr std::size_t chunkSize = 1 << 16;

std::u16string_view folderPart(std::u16string_view path)
{
    const std::size_t slash = path.rfind(u'/');
    return slash == std::u16string_view::npos ? std::u16string_view() : path.substr(0, slash + 1);
}

// Reads up to size bytes, fewer only at the end of the file; -1 on an error.
ssize_t readFully(FileSystem& fileSystem, int fd, char* data, std::size_t size)
{
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = fileSystem.read(fd, data + got, size - got);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

bool holdSameBytes(FileSystem& fileSystem, const std::string& first, const std::string& second)
{
    struct stat a = {};
    struct stat b = {};
    FileKind refused = FileKind::Regular;
    const int fa = openRegularFile(fileSystem, first, a, refused);
    if (fa < 0)
        return false;
    const int fb = openRegularFile(fileSystem, second, b, refused);
    if (fb < 0) {
        fileSystem.close(fa);
        return false;
    }
    bool same = a.st_size == b.st_size;
    std::vector<char> bufferA(chunkSize);
    std::vector<char> bufferB(chunkSize);
    while (same) {
        const ssize_t na = readFully(fileSystem, fa, bufferA.data(), chunkSize);
        const ssize_t nb = readFully(fileSystem, fb, bufferB.data(), chunkSize);
        if (na < 0 || na != nb ||
            std::memcmp(bufferA.data(), bufferB.data(), static_cast<std::size_t>(na)) != 0)
            same = false;
        if (na <= 0)
            break;
    }
    fileSystem.close(fa);
    fileSystem.close(fb);
    return same;
}

} // namespace

std::u16string olderBackupPath(std::u16string_view dataPath, int age)
{
    std::u16string_view name = dataPath.substr(folderPart(dataPath).size());
    name.remove_suffix(std::min<std::size_t>(name.size(), 5)); // ".zenv"
    const std::string number = std::to_string(age);
    std::u16string path(folderPart(dataPath));
    path += backupFolderName;
    path += u'/';
    path += name;
    path += u'.';
    path += std::u16string(number.begin(), number.end());
    path += u".zenv";
    return path;
}

FileResult rotateBackups(FileSystem& fileSystem, const std::u16string& dataPath)
{
    const std::u16string newest = backupPath(dataPath);
    struct stat status = {};
    if (fileSystem.linkStatus(pathBytes(newest), status) != 0)
        return errno == ENOENT ? FileResult{}
                               : fileFailure(FileResult::Problem::CannotWrite, newest,
                                             "cannot look at the backup", errno);

    // The folder is as private as the data set: r-x for group and others only where they may read it.
    mode_t folderMode = 0700;
    struct stat dataSet = {};
    if (fileSystem.status(pathBytes(dataPath), dataSet) == 0)
        folderMode |= ((dataSet.st_mode & S_IRGRP) ? S_IRGRP | S_IXGRP : 0) |
                      ((dataSet.st_mode & S_IROTH) ? S_IROTH | S_IXOTH : 0);
    std::u16string folder(folderPart(dataPath));
    folder += backupFolderName;
    if (fileSystem.makeFolder(pathBytes(folder), folderMode) != 0 && errno != EEXIST)
        return fileFailure(FileResult::Problem::CannotWrite, folder, "cannot keep the previous backup",
                           errno);

    for (int age = olderBackupCount; age > 1; --age) {
        const std::string from = pathBytes(olderBackupPath(dataPath, age - 1));
        if (fileSystem.rename(from, pathBytes(olderBackupPath(dataPath, age))) != 0 && errno != ENOENT)
            return fileFailure(FileResult::Problem::CannotWrite, olderBackupPath(dataPath, age - 1),
                               "cannot keep the previous backup", errno);
    }
    if (fileSystem.rename(pathBytes(newest), pathBytes(olderBackupPath(dataPath, 1))) != 0)
        return fileFailure(FileResult::Problem::CannotWrite, newest, "cannot keep the previous backup",
                           errno);
    return {};
}

FileResult backUpFile(FileSystem& fileSystem, const std::u16string& source, const std::u16string& dataPath,
                      const SaveOptions& options)
{
    const std::string sourceBytes = pathBytes(source);
    const std::u16string newest = backupPath(dataPath);
    struct stat model = {};
    FileKind refused = FileKind::Regular;
    const int input = openRegularFile(fileSystem, sourceBytes, model, refused);
    if (input < 0) {
        const int errorNumber = errno;
        if (refused == FileKind::Regular)
            return fileFailure(FileResult::Problem::CannotOpen, source, "cannot open the file", errorNumber);
        FileResult result = fileFailure(FileResult::Problem::NotRegularFile, source, "not a regular file", 0);
        result.kind = refused;
        return result;
    }
    if (holdSameBytes(fileSystem, sourceBytes, pathBytes(newest))) {
        fileSystem.close(input);
        FileResult result;
        result.path = newest;
        return result;
    }
    const auto copy = [&](int output) {
        std::vector<char> buffer(chunkSize);
        for (;;) {
            const ssize_t got = readFully(fileSystem, input, buffer.data(), buffer.size());
            if (got < 0)
                return errno != 0 ? errno : EIO;
            if (got == 0)
                return 0;
            std::size_t done = 0;
            while (done < static_cast<std::size_t>(got)) {
                const ssize_t written =
                    fileSystem.write(output, buffer.data() + done, static_cast<std::size_t>(got) - done);
                if (written < 0 && errno == EINTR)
                    continue;
                if (written <= 0)
                    return written < 0 && errno != 0 ? errno : EIO;
                done += static_cast<std::size_t>(written);
            }
        }
    };
    // The bytes were compared with the newest backup above already.
    const auto makeRoom = [&](const std::string&, bool&) {
        const FileResult rotated = rotateBackups(fileSystem, dataPath);
        return rotated ? 0 : (rotated.errorNumber != 0 ? rotated.errorNumber : EIO);
    };
    FileResult result = replaceFile(fileSystem, newest, copy, options, &model, makeRoom);
    fileSystem.close(input);
    return result;
}

int makeRoomForBackup(FileSystem& fileSystem, const std::u16string& dataPath, const std::string& temporary,
                      bool& keepTarget)
{
    keepTarget = holdSameBytes(fileSystem, temporary, pathBytes(backupPath(dataPath)));
    if (keepTarget)
        return 0;
    const FileResult rotated = rotateBackups(fileSystem, dataPath);
    return rotated ? 0 : (rotated.errorNumber != 0 ? rotated.errorNumber : EIO);
}
