#include "FuzzChecks.h"

#include "TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Runs every file of one seed folder through a check; the folder must not be empty.
void replay(const std::string& folder, std::string (*check)(std::string_view))
{
    int files = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(ZENVALO_CORPUS_DIR) + "/" + folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_EQ("", check(readBytes(entry.path().string())));
        ++files;
    }
    EXPECT_GT(files, 5);
}

} // namespace

TEST(SeedCorpus, DataSetFilesKeepTheReaderInvariants)
{
    replay("dataset", checkDataSetBytes);
}

TEST(SeedCorpus, NumberFieldsFollowTheCLibrary)
{
    replay("number", checkNumberRule);
}

TEST(SeedCorpus, IncomingFilesGiveNoEmptyEntries)
{
    replay("dataset", checkIncomingBytes);
}

TEST(SeedCorpus, ImportedFilesGiveStorableEntriesThatExportFaithfully)
{
    replay("import", checkImportBytes);
}
