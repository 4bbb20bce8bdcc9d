#pragma once

#include "FileSystem.h"

// The operating system's own calls. The application holds one and passes it on; tests derive from
// it to make chosen calls fail.
class PosixFileSystem : public FileSystem
{
public:
    int open(const std::string& path, int flags, mode_t mode = 0) override;
    int createTemporary(std::string& pathTemplate) override;
    ssize_t read(int fd, void* data, std::size_t size) override;
    ssize_t readAt(int fd, void* data, std::size_t size, off_t offset) override;
    ssize_t write(int fd, const void* data, std::size_t size) override;
    off_t seek(int fd, off_t offset, int whence) override;
    int sync(int fd) override;
    int close(int fd) override;
    int setBlocking(int fd) override;

    int status(const std::string& path, struct stat& status) override;
    int linkStatus(const std::string& path, struct stat& status) override;
    int descriptorStatus(int fd, struct stat& status) override;
    int readLink(const std::string& path, std::string& target) override;
    int listFolder(const std::string& folder, std::vector<std::string>& names) override;
    std::string currentFolder() override;

    int changeMode(int fd, mode_t mode) override;
    int changeOwner(int fd, uid_t owner, gid_t group) override;
    int rename(const std::string& from, const std::string& to) override;
    int remove(const std::string& path) override;
    int makeFolder(const std::string& path, mode_t mode) override;
    int syncFolder(const std::string& folder) override;

    mode_t creationMask() override;
    uid_t effectiveUser() override;
    gid_t effectiveGroup() override;
    std::string userName(uid_t user) override;
    pid_t processId() override;
    bool processRuns(pid_t process) override;
};
