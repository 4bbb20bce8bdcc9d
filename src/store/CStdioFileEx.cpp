#include "CStdioFileEx.h"

#include "TextCodec.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr std::size_t bufferSize = 1 << 16;
constexpr std::size_t largeLineBytes = 1 << 20;

// How many of the 8-bit or 16-bit lanes of word equal those of pattern (the lane value repeated).
int countEqualLanes(std::uint64_t word, std::uint64_t pattern, std::uint64_t lowBits)
{
    const std::uint64_t differ = word ^ pattern;
    const std::uint64_t nonZero = ((differ & lowBits) + lowBits) | differ;
    return std::popcount(~(nonZero | lowBits));
}

void appendLittleEndianUnits(std::u16string& line, const char* bytes, std::size_t units)
{
    const std::size_t old = line.size();
    line.resize(old + units);
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(line.data() + old, bytes, units * 2);
    } else {
        for (std::size_t i = 0; i < units; ++i) {
            const auto low = static_cast<unsigned char>(bytes[2 * i]);
            const auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
            line[old + i] = static_cast<char16_t>(low | (high << 8));
        }
    }
}

char16_t unitAt(const char* bytes)
{
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[0]) |
                                 (static_cast<unsigned char>(bytes[1]) << 8));
}

void dropTrailingCarriageReturn(std::u16string& line)
{
    if (!line.empty() && line.back() == u'\r')
        line.pop_back();
}

} // namespace

CStdioFileEx::CStdioFileEx(FileSystem& fileSystem) : m_fileSystem(fileSystem) {}

CStdioFileEx::~CStdioFileEx()
{
    if (m_fd >= 0)
        closeFile();
}

bool CStdioFileEx::isWriting() const
{
    return (m_openFlags & (modeWrite | modeReadWrite | modeCreate)) != 0;
}

bool CStdioFileEx::openText(const std::string& path, unsigned mode)
{
    if (m_fd >= 0)
        closeFile();
    m_isUtf16 = false;
    m_refusedKind = FileKind::Regular;
    m_errorNumber = 0;
    m_atEnd = false;
    m_begin = m_end = 0;
    m_bytesWritten = 0;
    m_codePage = systemCodePage;
    m_openFlags = mode;

    if (isWriting()) {
        m_fd = (mode & modeCreate) ? m_fileSystem.open(path, O_WRONLY | O_CREAT | O_TRUNC, 0666)
                                   : m_fileSystem.open(path, O_WRONLY);
        if (m_fd < 0) {
            m_errorNumber = errno;
            return false;
        }
        m_buffer.reserve(bufferSize);
        return true;
    }

    m_swapBytes = false;
    m_lenientUtf8 = false;
    m_carriageReturnEndsLine = false;
    m_lineFeedPending = false;
    m_lineHadEnd = false;
    m_droppedOddByte = false;
    m_replacedBytes = 0;
    m_stamp = {};
    struct stat status = {};
    m_fd = openRegularFile(m_fileSystem, path, status, m_refusedKind);
    if (m_fd < 0) {
        m_errorNumber = errno;
        return false;
    }
    m_sizeInBytes = static_cast<unsigned long long>(status.st_size);
    m_stamp = stampOf(status);
    m_buffer.resize(bufferSize);
    if (!(mode & typeText))
        return true;
    fillBuffer();
    const auto* start = reinterpret_cast<const unsigned char*>(m_buffer.data());
    if (m_end >= 2 && start[0] == 0xFF && start[1] == 0xFE) {
        m_isUtf16 = true;
    } else if (m_end >= 2 && start[0] == 0xFE && start[1] == 0xFF) {
        m_isUtf16 = true;
        m_swapBytes = true;
        swapPairs();
    }
    if (m_isUtf16) {
        m_begin = 2;
        m_droppedOddByte = m_sizeInBytes % 2 == 1;
    } else {
        detectByteEncoding();
    }
    decideLineEnd();
    return true;
}

void CStdioFileEx::attachForWriting(int fd, unsigned mode)
{
    if (m_fd >= 0)
        closeFile();
    m_fd = fd;
    m_openFlags = mode | modeCreate;
    m_isUtf16 = false;
    m_errorNumber = 0;
    m_bytesWritten = 0;
    m_buffer.clear();
    m_buffer.reserve(bufferSize);
}

void CStdioFileEx::detectByteEncoding()
{
    // The whole file is looked at once, so that one line is never decoded differently from another.
    m_begin = m_end = 0;
    m_atEnd = false;
    if (m_fileSystem.seek(m_fd, 0, SEEK_SET) < 0)
        fail(errno);
    Utf8Validator validator;
    bool first = true;
    bool hasMark = false;
    for (;;) {
        const ssize_t got = m_fileSystem.read(m_fd, m_buffer.data(), m_buffer.size());
        if (got < 0) {
            fail(errno);
            break;
        }
        if (got == 0)
            break;
        if (first)
            hasMark = got >= 3 && std::memcmp(m_buffer.data(), "\xEF\xBB\xBF", 3) == 0;
        first = false;
        validator.feed(m_buffer.data(), static_cast<std::size_t>(got));
        if (validator.hasFailed())
            break;
    }
    // A byte-order mark says UTF-8 even when a stray byte follows: the text is not thrown away as
    // Windows-1252 for one bad byte.
    m_codePage = validator.isValid() || hasMark ? codePageUtf8 : codePageWindows1252;
    m_lenientUtf8 = hasMark && !validator.isValid();
    const off_t start = hasMark ? 3 : 0;
    if (m_fileSystem.seek(m_fd, start, SEEK_SET) < 0)
        fail(errno);
    m_begin = m_end = 0;
}

void CStdioFileEx::decideLineEnd()
{
    if (m_begin == m_end)
        fillBuffer();
    const std::size_t step = m_isUtf16 ? 2 : 1;
    for (std::size_t i = m_begin; i + step <= m_end; i += step) {
        const char16_t unit = m_isUtf16 ? unitAt(m_buffer.data() + i) : static_cast<char16_t>(m_buffer[i]);
        if (unit == u'\n')
            return;
        if (unit == u'\r') {
            // A CR that is the last unit of the block is taken as the start of CR LF.
            if (i + 2 * step <= m_end) {
                const char16_t next =
                    m_isUtf16 ? unitAt(m_buffer.data() + i + step) : static_cast<char16_t>(m_buffer[i + 1]);
                m_carriageReturnEndsLine = next != u'\n';
            }
            return;
        }
    }
}

void CStdioFileEx::swapPairs()
{
    for (std::size_t i = 0; i + 1 < m_end; i += 2)
        std::swap(m_buffer[i], m_buffer[i + 1]);
}

void CStdioFileEx::skipPendingLineFeed(std::size_t unit)
{
    if (!m_lineFeedPending)
        return;
    m_lineFeedPending = false;
    while (m_end - m_begin < unit && fillBuffer()) {
    }
    if (m_end - m_begin >= unit && m_buffer[m_begin] == '\n' && (unit == 1 || m_buffer[m_begin + 1] == 0))
        m_begin += unit;
}

bool CStdioFileEx::fillBuffer()
{
    if (m_atEnd || m_fd < 0 || hasError())
        return false;
    // The readers consume every whole piece before asking for more, so what is left is at most the
    // odd byte of a UTF-16 code unit split between two reads.
    const std::size_t left = m_end - m_begin;
    if (left > 0 && m_begin > 0)
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, left);
    m_begin = 0;
    m_end = left;
    const ssize_t got = m_fileSystem.read(m_fd, m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (got < 0) {
        fail(errno);
        return false;
    }
    if (got == 0) {
        m_atEnd = true;
        return false;
    }
    m_end += static_cast<std::size_t>(got);
    // What is left before the new bytes is at most one byte, which no pair has yet included.
    if (m_swapBytes && m_isUtf16)
        swapPairs();
    return true;
}

unsigned long long CStdioFileEx::countLineEnds() const
{
    if (m_fd < 0 || isWriting())
        return 0;
    const char terminator = m_carriageReturnEndsLine ? '\r' : '\n';
    // Eight bytes at a time, each lane compared with the terminator: a byte, or a code unit as the
    // file holds it (low byte first unless big-endian) as it lands in a word of this machine.
    std::uint64_t lane = static_cast<unsigned char>(terminator);
    std::uint64_t lowBits = 0x7F7F7F7F7F7F7F7FULL;
    if (m_isUtf16) {
        const bool lowByteFirst = (std::endian::native == std::endian::little) != m_swapBytes;
        lane = lowByteFirst ? lane : lane << 8;
        lowBits = 0x7FFF7FFF7FFF7FFFULL;
    }
    const std::uint64_t pattern = lane * (m_isUtf16 ? 0x0001000100010001ULL : 0x0101010101010101ULL);
    const std::size_t lowByte = m_swapBytes ? 1 : 0;
    std::vector<char> block(bufferSize);
    unsigned long long count = 0;
    off_t offset = 0;
    for (;;) {
        const ssize_t got = m_fileSystem.readAt(m_fd, block.data(), block.size(), offset);
        if (got < 0)
            return 0;
        if (got == 0)
            return count;
        auto size = static_cast<std::size_t>(got);
        if (m_isUtf16) {
            // Every block starts at an even offset, so that no code unit straddles two blocks; an odd
            // last byte is no code unit.
            size &= ~std::size_t(1);
            if (size == 0)
                return count;
        }
        std::size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, block.data() + i, sizeof word);
            count += static_cast<unsigned>(countEqualLanes(word, pattern, lowBits));
        }
        for (; i < size; i += m_isUtf16 ? 2 : 1) {
            if (m_isUtf16)
                count += block[i + lowByte] == terminator && block[i + 1 - lowByte] == 0;
            else
                count += block[i] == terminator;
        }
        offset += static_cast<off_t>(size);
    }
}

bool CStdioFileEx::readLine(std::u16string& line)
{
    line.clear();
    m_lineHadEnd = false;
    if (m_fd < 0 || isWriting())
        return false;
    if (m_isUtf16)
        return readUtf16Line(line);
    return readByteLine(line);
}

bool CStdioFileEx::readUtf16Line(std::u16string& line)
{
    skipPendingLineFeed(2);
    const char terminator = m_carriageReturnEndsLine ? '\r' : '\n';
    bool readSomething = false;
    for (;;) {
        const std::size_t available = (m_end - m_begin) & ~std::size_t(1);
        const char* start = m_buffer.data() + m_begin;
        std::size_t searchFrom = 0;
        while (searchFrom < available) {
            const void* hit = std::memchr(start + searchFrom, terminator, available - searchFrom);
            if (hit == nullptr)
                break;
            const auto offset = static_cast<std::size_t>(static_cast<const char*>(hit) - start);
            if (offset % 2 == 0 && start[offset + 1] == 0) {
                appendLittleEndianUnits(line, start, offset / 2);
                m_begin += offset + 2;
                m_lineHadEnd = true;
                if (m_carriageReturnEndsLine) {
                    m_lineFeedPending = true;
                    if (m_end - m_begin >= 2)
                        skipPendingLineFeed(2);
                }
                dropTrailingCarriageReturn(line);
                return true;
            }
            searchFrom = offset + 1;
        }
        if (available > 0) {
            appendLittleEndianUnits(line, start, available / 2);
            m_begin += available;
            readSomething = true;
        }
        if (!fillBuffer())
            break;
    }
    // End of file (an odd last byte cannot form a code unit and is dropped) or a read error.
    if (hasError()) {
        line.clear();
        return false;
    }
    dropTrailingCarriageReturn(line);
    return readSomething;
}

bool CStdioFileEx::readByteLine(std::u16string& line)
{
    skipPendingLineFeed(1);
    const char terminator = m_carriageReturnEndsLine ? '\r' : '\n';
    m_byteLine.clear();
    bool readSomething = false;
    for (;;) {
        const char* start = m_buffer.data() + m_begin;
        const std::size_t available = m_end - m_begin;
        if (available > 0) {
            readSomething = true;
            if (const void* hit = std::memchr(start, terminator, available)) {
                const auto length = static_cast<std::size_t>(static_cast<const char*>(hit) - start);
                m_byteLine.append(start, length);
                m_begin += length + 1;
                m_lineHadEnd = true;
                if (m_carriageReturnEndsLine) {
                    m_lineFeedPending = true;
                    if (m_end > m_begin)
                        skipPendingLineFeed(1);
                }
                break;
            }
            m_byteLine.append(start, available);
            m_begin = m_end;
        }
        if (!fillBuffer())
            break;
    }
    if (hasError()) {
        line.clear();
        return false;
    }
    if (m_codePage != codePageUtf8)
        appendWindows1252(line, m_byteLine);
    else if (m_lenientUtf8)
        m_replacedBytes += appendUtf8Replacing(line, m_byteLine);
    else
        appendUtf8(line, m_byteLine);
    // The bytes of a huge line are not kept beside its text for the rest of the file.
    if (m_byteLine.capacity() > largeLineBytes)
        std::string().swap(m_byteLine);
    dropTrailingCarriageReturn(line);
    return readSomething;
}

bool CStdioFileEx::writeBytes(const char* data, std::size_t size)
{
    if (hasError())
        return false;
    if (m_buffer.size() + size > bufferSize && !flush())
        return false;
    if (size >= bufferSize) {
        while (size > 0) {
            const ssize_t written = m_fileSystem.write(m_fd, data, size);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                fail(written < 0 ? errno : EIO);
                return false;
            }
            data += written;
            size -= static_cast<std::size_t>(written);
            m_bytesWritten += written;
        }
        return true;
    }
    m_buffer.insert(m_buffer.end(), data, data + size);
    return true;
}

bool CStdioFileEx::writeText(std::u16string_view text)
{
    if (m_fd < 0 || !isWriting())
        return false;
    if (!(m_openFlags & modeWriteUtf16)) {
        const std::string bytes = toUtf8(text);
        return writeBytes(bytes.data(), bytes.size());
    }
    if (m_bytesWritten == 0 && m_buffer.empty() && !writeBytes("\xFF\xFE", 2))
        return false;
    if constexpr (std::endian::native == std::endian::little) {
        return writeBytes(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    } else {
        std::string bytes;
        bytes.reserve(text.size() * 2);
        for (const char16_t unit : text) {
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
        return writeBytes(bytes.data(), bytes.size());
    }
}

bool CStdioFileEx::flush()
{
    if (m_fd < 0 || !isWriting())
        return !hasError();
    std::size_t done = 0;
    while (done < m_buffer.size() && !hasError()) {
        const ssize_t written = m_fileSystem.write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            fail(written < 0 ? errno : EIO);
            break;
        }
        done += static_cast<std::size_t>(written);
        m_bytesWritten += written;
    }
    m_buffer.clear();
    return !hasError();
}

bool CStdioFileEx::sync()
{
    if (!flush())
        return false;
    if (m_fileSystem.sync(m_fd) != 0) {
        fail(errno);
        return false;
    }
    return true;
}

bool CStdioFileEx::closeFile()
{
    if (m_fd < 0)
        return !hasError();
    if (isWriting())
        flush();
    if (m_fileSystem.close(m_fd) != 0 && isWriting())
        fail(errno);
    m_fd = -1;
    m_buffer.clear();
    m_begin = m_end = 0;
    return !hasError();
}

int CStdioFileEx::detachDescriptor()
{
    if (isWriting())
        flush();
    const int fd = m_fd;
    m_fd = -1;
    m_buffer.clear();
    m_begin = m_end = 0;
    return fd;
}

bool CStdioFileEx::hasUtf16Mark(FileSystem& fileSystem, const std::string& path)
{
    struct stat status = {};
    FileKind refused = FileKind::Regular;
    const int fd = openRegularFile(fileSystem, path, status, refused);
    if (fd < 0)
        return false;
    unsigned char mark[2] = {0, 0};
    std::size_t got = 0;
    while (got < 2) {
        const ssize_t n = fileSystem.read(fd, reinterpret_cast<char*>(mark) + got, 2 - got);
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    fileSystem.close(fd);
    return got == 2 && mark[0] == 0xFF && mark[1] == 0xFE;
}

void CStdioFileEx::fail(int errorNumber)
{
    if (m_errorNumber == 0)
        m_errorNumber = errorNumber != 0 ? errorNumber : EIO;
}
