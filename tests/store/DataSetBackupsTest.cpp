#include "DataSetBackups.h"

#include "CWordStore.h"
#include "TemporaryFolder.h"
#include "TestFileSystem.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct stat statusOf(const std::string& path)
{
    struct stat status = {};
    EXPECT_EQ(0, ::stat(path.c_str(), &status)) << path;
    return status;
}

} // namespace

TEST(DataSetBackups, CopiesTheFileAsFoundAndKeepsFiveOlderOnes)
{
    TemporaryFolder folder;
    const std::string data = folder.file("Vortaro.zenv");
    const std::u16string data16 = folder.file16("Vortaro.zenv");
    const std::string newest = folder.file("Vortaro_sav.zenv");
    const auto version = [](int v) { return "1\n#a;b;\nvorto " + std::to_string(v) + ";mot;\n"; };
    const bool isRoot = ::geteuid() == 0;

    writeBytes(data, version(1));
    ::chmod(data.c_str(), 0640);
    if (isRoot) {
        ASSERT_EQ(0, ::chown(data.c_str(), 65534, 65534));
    }
    ASSERT_TRUE(backUpFile(fileSystem, data16, data16));
    EXPECT_EQ(version(1), readBytes(newest)); // the bytes as found, not written anew
    ASSERT_TRUE(backUpFile(fileSystem, data16, data16));
    EXPECT_EQ("Vortaro.zenv Vortaro_sav.zenv", folder.listing()); // the same bytes again: nothing moves

    for (int v = 2; v <= 7; ++v) {
        writeBytes(data, version(v));
        ASSERT_TRUE(backUpFile(fileSystem, data16, data16));
    }
    EXPECT_EQ(version(7), readBytes(newest));
    for (int age = 1; age <= olderBackupCount; ++age) {
        SCOPED_TRACE(age);
        EXPECT_EQ(version(7 - age),
                  readBytes(folder.file(".zenvalo-backups/Vortaro." + std::to_string(age) + ".zenv")));
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file(".zenvalo-backups/Vortaro.6.zenv")));

    // Never more readable than the data set, and owned like it.
    EXPECT_EQ(0640u, statusOf(newest).st_mode & 0777);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(0750u & ~mask, statusOf(folder.file(".zenvalo-backups")).st_mode & 0777);
    if (isRoot) {
        EXPECT_EQ(65534u, statusOf(newest).st_uid);
        EXPECT_EQ(65534u, statusOf(newest).st_gid);
    }

    // A backup written from memory moves the others only when it differs from the newest.
    CWordStore store({9, 12, 2026}, data16);
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    ASSERT_TRUE(saveDataSet(fileSystem, store, SaveTarget::Backup));
    ASSERT_TRUE(saveDataSet(fileSystem, store, SaveTarget::Backup));
    EXPECT_EQ(version(7), readBytes(folder.file(".zenvalo-backups/Vortaro.1.zenv")));
    EXPECT_EQ(version(6), readBytes(folder.file(".zenvalo-backups/Vortaro.2.zenv")));
    EXPECT_EQ(0640u, statusOf(newest).st_mode & 0777);
}
