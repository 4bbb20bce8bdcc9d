#include "CWordStore.h"
#include "DataSetFile.h"
#include "FailingFileSystem.h"
#include "FileFailureText.h"
#include "TemporaryFolder.h"
#include "TestFileSystem.h"
#include "TextCodec.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

CWordStore largeStore(const std::u16string& path, int entries)
{
    CWordStore store({1, 2, 2024}, path);
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    for (int i = 0; i < entries; ++i) {
        WordEntry entry;
        const std::string number = std::to_string(i);
        entry.text1 = u"vorto " + std::u16string(number.begin(), number.end());
        entry.text2 = u"mot (rimarko)";
        store.appendEntry(entry);
    }
    return store;
}

} // namespace

TEST(SaveDataSet, EveryFailureIsReportedAndLeavesThePreviousFileAndNoTemporary)
{
    using Call = FailingFileSystem::Call;
    using Problem = FileResult::Problem;
    TemporaryFolder folder;
    const std::string file = folder.file("lernado.zenv");
    const std::u16string path = folder.file16("lernado.zenv");
    const std::string previous = "\xFF\xFE"
                                 "malnova enhavo";
    const CWordStore store = largeStore(path, 20000); // several buffers' worth of writes
    const auto putPrevious = [&] {
        writeBytes(file, previous);
        ::chmod(file.c_str(), 0640); // not the mode of a fresh temporary file, so it is set
    };

    FailingFileSystem counter(Call::None, 0, 0);
    putPrevious();
    ASSERT_TRUE(saveDataSet(counter, store));
    ASSERT_GT(counter.writes, 2);

    struct Case
    {
        Call call;
        int occurrence;
        int errorNumber;
        Problem problem;
        std::u16string_view reason;
    };
    const std::u16string_view notKept = u"ne eblis doni al la nova dosiero la posedanton kaj la rajtojn";
    std::vector<Case> cases = {
        {Call::CreateTemporary, 1, ENOSPC, Problem::CannotWrite, u"la disko estas plena"},
        {Call::ChangeMode, 1, EIO, Problem::AttributesNotKept, notKept},
        {Call::ChangeOwner, 1, EIO, Problem::AttributesNotKept, notKept},
        {Call::Sync, 1, EIO, Problem::CannotWrite, u"eraro de la aparato (enigo/eligo)"},
        {Call::Close, 1, EIO, Problem::CannotWrite, u"eraro de la aparato (enigo/eligo)"},
        {Call::Rename, 1, EXDEV, Problem::CannotWrite, u"la celo estas sur alia dosiersistemo"},
        // The rename is done: the new content stays, but the user learns that it may not last.
        {Call::SyncFolder, 1, EIO, Problem::FolderNotSynced, u"ĝia dosierujo ne povis esti sinkronigita"},
        // A file system without modes or owners (a FAT drive) refuses them; the save goes on.
        {Call::ChangeMode, 1, EPERM, Problem::None, u""},
        {Call::ChangeOwner, 1, EPERM, Problem::None, u""}};
    for (int n = 1; n <= counter.writes; ++n)
        cases.push_back({Call::Write, n, ENOSPC, Problem::CannotWrite, u"la disko estas plena"});

    for (const Case& c : cases) {
        SCOPED_TRACE("call " + std::to_string(static_cast<int>(c.call)) + " #" +
                     std::to_string(c.occurrence) + ", error " + std::to_string(c.errorNumber));
        putPrevious();
        FailingFileSystem failing(c.call, c.occurrence, c.errorNumber);
        if (c.call == Call::ChangeOwner)
            failing.othersFile = file;
        const FileResult result =
            saveDataSet(failing, store, SaveTarget::DataFile, {.replaceProtected = true});
        EXPECT_EQ(c.problem, result.problem);
        EXPECT_EQ(path, result.path);
        EXPECT_NE(std::u16string::npos, failureReason(result).find(c.reason))
            << toUtf8(failureReason(result));
        const bool replaced = c.problem == Problem::None || c.problem == Problem::FolderNotSynced;
        EXPECT_EQ(replaced, previous != readBytes(file));
        EXPECT_EQ(replaced, result.stamp.exists);
        EXPECT_EQ("lernado.zenv", folder.listing());
    }
}

TEST(SaveDataSet, MissingFolderOrFolderInTheWayIsReported)
{
    TemporaryFolder folder;
    CWordStore store = largeStore(folder.file16("nenie/lernado.zenv"), 3);
    FileResult result = saveDataSet(fileSystem, store);
    EXPECT_FALSE(result);
    EXPECT_EQ(u"la dosiero aŭ ĝia dosierujo ne ekzistas", failureReason(result)) << result.reason;
    EXPECT_EQ("", folder.listing());

    std::filesystem::create_directory(folder.file("dosierujo.zenv"));
    store.setDataPath(folder.file16("dosierujo.zenv"));
    result = saveDataSet(fileSystem, store);
    EXPECT_FALSE(result);
    EXPECT_EQ("dosierujo.zenv", folder.listing());

    store.setDataPath(u"/dev/null");
    result = saveDataSet(fileSystem, store);
    EXPECT_FALSE(result); // a device is never replaced by a file
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST(SaveDataSet, KeepsPermissionsAndSymbolicLinks)
{
    TemporaryFolder folder;
    const std::string real = folder.file("vera.zenv");
    writeBytes(real, "old");
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, folder.file("ligilo.zenv"));

    const CWordStore store = largeStore(folder.file16("ligilo.zenv"), 2);
    ASSERT_TRUE(saveDataSet(fileSystem, store));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("ligilo.zenv")));
    EXPECT_EQ(0xFF, static_cast<unsigned char>(readBytes(real)[0]));
    struct stat status = {};
    ASSERT_EQ(0, ::stat(real.c_str(), &status));
    EXPECT_EQ(0640u, status.st_mode & 0777);
    EXPECT_EQ("ligilo.zenv vera.zenv", folder.listing());
}

TEST(SaveDataSet, RespectsTheFilesItReplaces)
{
    TemporaryFolder folder;
    const bool isRoot = ::geteuid() == 0;
    CWordStore store = largeStore(folder.file16("protektita.zenv"), 2);
    const auto statusOf = [](const std::string& path) {
        struct stat status = {};
        ::stat(path.c_str(), &status);
        return status;
    };

    // Read-only, and (as root, who could write anything) another user's file: refused unless agreed.
    struct Case
    {
        const char* name;
        mode_t mode;
        uid_t owner;
        bool ownedByOther;
    };
    std::vector<Case> cases = {{"read-only", 0444, ::geteuid(), false}};
    if (isRoot)
        cases.push_back({"another user's", 0640, 65534, true});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.file("protektita.zenv");
        writeBytes(path, "old");
        ::chmod(path.c_str(), c.mode);
        ASSERT_EQ(0, ::chown(path.c_str(), c.owner, c.owner == ::geteuid() ? ::getegid() : 65534));
        FileResult result = saveDataSet(fileSystem, store);
        EXPECT_EQ(FileResult::Problem::NotWritable, result.problem);
        EXPECT_EQ(c.ownedByOther, result.ownedByOther);
        EXPECT_EQ(c.ownedByOther ? "nobody" : "", result.ownerName);
        EXPECT_EQ("old", readBytes(path));
        ASSERT_TRUE(saveDataSet(fileSystem, store, SaveTarget::DataFile, {.replaceProtected = true}));
        EXPECT_EQ(c.mode, statusOf(path).st_mode & 0777);
        EXPECT_EQ(c.owner, statusOf(path).st_uid);
        ::unlink(path.c_str());
    }

    // A link into a folder that has gone stays a link; one into an existing folder creates its target.
    std::filesystem::create_symlink(folder.file("forigita/x.zenv"), folder.file("ligilo.zenv"));
    store.setDataPath(folder.file16("ligilo.zenv"));
    EXPECT_EQ(FileResult::Problem::LinkTargetFolderMissing, saveDataSet(fileSystem, store).problem);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("ligilo.zenv")));
    std::filesystem::create_directory(folder.file("forigita"));
    EXPECT_TRUE(saveDataSet(fileSystem, store));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("ligilo.zenv")));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.file("forigita/x.zenv")));
    std::filesystem::remove_all(folder.file("forigita"));
    std::filesystem::remove(folder.file("ligilo.zenv"));

    // A name of 250 characters saves, and the temporary files of dead processes go at the next save.
    const pid_t dead = ::fork();
    if (dead == 0)
        ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const std::string stale = ".zenvalo-" + std::to_string(dead) + "-Ab12Cd";
    const std::string live = ".zenvalo-" + std::to_string(::getppid()) + "-Ab12Cd";
    writeBytes(folder.file(stale), "half a save");
    writeBytes(folder.file(live), "a save in progress");
    const std::string longName = std::string(245, 'v') + ".zenv";
    store.setDataPath(folder.file16(longName));
    ASSERT_TRUE(saveDataSet(fileSystem, store));
    EXPECT_EQ(live + " " + longName, folder.listing());
}
