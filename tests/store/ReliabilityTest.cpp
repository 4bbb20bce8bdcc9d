#include "CWordStore.h"
#include "DataSetFile.h"
#include "TemporaryFolder.h"
#include "TestFileSystem.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool measuresMemory = false; // the sanitizer's own allocator makes the figures meaningless
#else
constexpr bool measuresMemory = true;
#endif

CWordStore storeOf(const std::u16string& path, int entries, char16_t letter)
{
    CWordStore store({9, 12, 2026}, path);
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    for (int i = 0; i < entries; ++i) {
        WordEntry entry;
        entry.text1 = std::u16string(12, letter) + u" (komento)";
        entry.text2 = std::u16string(9, letter);
        entry.box1 = i % 5;
        entry.setBothAnswerDates({1 + i % 28, 1 + i % 12, 2026});
        store.appendEntry(entry);
    }
    return store;
}

// Reads a file in a child process and returns how far the child's resident memory grew, in MiB
// (-1 when the read failed).
long readAndMeasure(const std::string& path, int expectedCount)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        rusage before = {};
        ::getrusage(RUSAGE_SELF, &before);
        CWordStore store({9, 12, 2026}, u"");
        const bool ok =
            static_cast<bool>(readDataSet(fileSystem, store, std::u16string(path.begin(), path.end()))) &&
            store.count() == expectedCount;
        rusage after = {};
        ::getrusage(RUSAGE_SELF, &after);
        const long grownMiB = ok ? (after.ru_maxrss - before.ru_maxrss) / 1024 : -1;
        [[maybe_unused]] const ssize_t written = ::write(channel[1], &grownMiB, sizeof grownMiB);
        ::_exit(0);
    }
    ::close(channel[1]);
    long grownMiB = -1;
    if (::read(channel[0], &grownMiB, sizeof grownMiB) != sizeof grownMiB)
        grownMiB = -1;
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return grownMiB;
}

} // namespace

TEST(Reliability, KilledSaveLeavesTheOldFileOrTheNewOneWhole)
{
    TemporaryFolder folder;
    const std::u16string path = folder.file16("lernado.zenv");
    const CWordStore first = storeOf(path, 20000, u'a');
    const CWordStore second = storeOf(path, 26000, u'ĝ');
    ASSERT_TRUE(saveDataSet(fileSystem, second));
    const std::string secondBytes = readBytes(folder.file("lernado.zenv"));
    ASSERT_TRUE(saveDataSet(fileSystem, first));
    const std::string firstBytes = readBytes(folder.file("lernado.zenv"));

    std::mt19937 random(4242);
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                (void)saveDataSet(fileSystem, i % 2 == 0 ? second : first);
        }
        ::usleep(static_cast<useconds_t>(2000 + random() % 40000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const std::string bytes = readBytes(folder.file("lernado.zenv"));
        EXPECT_TRUE(bytes == firstBytes || bytes == secondBytes)
            << "a damaged file of " << bytes.size() << " bytes";
        CWordStore read({9, 12, 2026}, u"");
        ASSERT_TRUE(readDataSet(fileSystem, read, path));
        EXPECT_TRUE(read.count() == first.count() || read.count() == second.count());
        // A killed save may leave its temporary file, never a damaged data set; the next save
        // removes that file.
        ASSERT_TRUE(saveDataSet(fileSystem, first));
        EXPECT_EQ("lernado.zenv", folder.listing());
    }
}

TEST(Reliability, HostileFilesReadWithBoundedMemory)
{
    TemporaryFolder folder;

    // A count line announcing two thousand million entries, with ten lines behind it.
    std::u16string lying = u"2000000000\r\n#a;b;\r\n";
    for (int i = 0; i < 10; ++i)
        lying += u"vorto;word;\r\n";
    writeBytes(folder.file("lying.zenv"), utf16Bytes(lying));
    const long lyingMiB = readAndMeasure(folder.file("lying.zenv"), 10);
    ASSERT_GE(lyingMiB, 0);

    // One line of 100 MB.
    std::u16string longLine = u"1\r\n";
    longLine.append(50'000'000, u'x');
    longLine += u";y;\r\n";
    writeBytes(folder.file("long.zenv"), utf16Bytes(longLine));
    longLine.clear();
    longLine.shrink_to_fit();
    const long longMiB = readAndMeasure(folder.file("long.zenv"), 1);
    ASSERT_GE(longMiB, 0);

    // One line of 50 MB of 8-bit text: its bytes are not kept beside its text and the entry's copy.
    std::string eightBit = "1\n";
    eightBit.append(50'000'000, '\xE9');
    eightBit += ";y;\n";
    writeBytes(folder.file("long.txt"), eightBit);
    eightBit.clear();
    eightBit.shrink_to_fit();
    const long eightBitMiB = readAndMeasure(folder.file("long.txt"), 1);
    ASSERT_GE(eightBitMiB, 0);

    // A million empty lines.
    std::string empty = utf16Bytes(u"1000000\r\n");
    for (int i = 0; i < 1'000'000; ++i)
        empty.append("\r\0\n\0", 4);
    writeBytes(folder.file("empty.zenv"), empty);
    const long emptyMiB = readAndMeasure(folder.file("empty.zenv"), 0);
    ASSERT_GE(emptyMiB, 0);

    std::printf("memory growth: lying count %ld MiB, 100 MB line %ld MiB, 50 MB 8-bit line %ld MiB, "
                "empty lines %ld MiB\n",
                lyingMiB, longMiB, eightBitMiB, emptyMiB);
    if (measuresMemory) {
        EXPECT_LT(lyingMiB, 16);
        EXPECT_LT(longMiB, 3 * 100);         // the line, its text and the growth of the line buffer
        EXPECT_LT(eightBitMiB, 4 * 50 + 45); // the line as UTF-16 and the entry's copy of it
        EXPECT_LT(emptyMiB, 16);
    }
}

TEST(Reliability, ReadingTakesAtMostTwentyBytesOfMemoryPerByteOfFile)
{
    if (!measuresMemory)
        GTEST_SKIP() << "the sanitizer's allocator takes memory of its own";
    // The shortest lines that give entries: ten million of one letter each, 30 MB. Each entry holds
    // 60 bytes, its texts in place, and the room for them is taken once.
    TemporaryFolder folder;
    constexpr int count = 10'000'000;
    std::string letters = std::to_string(count) + "\n#a;b;\n";
    letters.reserve(letters.size() + 3 * std::size_t(count));
    for (int i = 0; i < count; ++i)
        letters.append(i % 2 == 0 ? "a;\n" : "\xE9;\n");
    writeBytes(folder.file("literoj.txt"), letters);
    const auto fileMiB = static_cast<double>(letters.size()) / (1 << 20);
    letters.clear();
    letters.shrink_to_fit();

    const long grownMiB = readAndMeasure(folder.file("literoj.txt"), count);
    ASSERT_GE(grownMiB, 0);
    std::printf("memory growth: %ld MiB for a file of %.1f MiB\n", grownMiB, fileMiB);
    EXPECT_LE(static_cast<double>(grownMiB), 20 * fileMiB + 8);
}

TEST(Reliability, ReadingBeyondTheMemoryAtHandEndsWithAnErrorValue)
{
    if (!measuresMemory)
        GTEST_SKIP() << "the sanitizer reserves address space of its own";
    TemporaryFolder folder;
    std::string line = "1\n";
    line.append(48'000'000, 'x');
    line += ";y;\n";
    writeBytes(folder.file("granda.txt"), line);
    line.clear();
    line.shrink_to_fit();

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Room for 64 MB more than the child holds now: the line and its text need three times that.
        long pages = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        const rlim_t limit =
            static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (64 << 20);
        const rlimit memory = {limit, limit};
        ::setrlimit(RLIMIT_AS, &memory);
        CWordStore store({9, 12, 2026}, u"");
        store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
        const FileResult result = readDataSet(fileSystem, store, folder.file16("granda.txt"));
        ::_exit(result.problem == FileResult::Problem::OutOfMemory && store.count() == 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(child, ::waitpid(child, &status, 0));
    ASSERT_TRUE(WIFEXITED(status)) << "the reader died of signal " << WTERMSIG(status);
    EXPECT_EQ(0, WEXITSTATUS(status));
}
