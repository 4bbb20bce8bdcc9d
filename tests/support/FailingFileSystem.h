#pragma once

#include "PosixFileSystem.h"

#include <string>

// Lets every call through except the one chosen, which fails with the given error. It can also make
// the file at one path look as if another user owned it, so that a save tries to give its copy away.
class FailingFileSystem final : public PosixFileSystem
{
public:
    enum class Call
    {
        None,
        CreateTemporary,
        ChangeOwner,
        ChangeMode,
        Write,
        Sync,
        Close,
        Rename,
        SyncFolder
    };

    FailingFileSystem(Call call, int occurrence, int errorNumber)
        : m_call(call), m_occurrence(occurrence), m_errorNumber(errorNumber)
    {}

    int createTemporary(std::string& pathTemplate) override;
    int changeOwner(int fd, uid_t owner, gid_t group) override;
    int changeMode(int fd, mode_t mode) override;
    ssize_t write(int fd, const void* data, std::size_t size) override;
    int sync(int fd) override;
    int close(int fd) override;
    int rename(const std::string& from, const std::string& to) override;
    int syncFolder(const std::string& folder) override;
    int status(const std::string& path, struct stat& status) override;

    // How many writes were asked for so far.
    int writes = 0;
    // A path whose file status() reports as owned by another user (nobody).
    std::string othersFile;

private:
    bool fails(Call call);

    Call m_call;
    int m_occurrence;
    int m_errorNumber;
    int m_seen = 0;
};
