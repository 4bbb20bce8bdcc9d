#pragma once

#include "FileSystem.h"

#include <string>
#include <string_view>
#include <vector>

// A line-oriented text file that hides the encoding. Reading recognises UTF-16 little-endian by its
// byte-order mark; any other file is 8-bit text, read as UTF-8 when every byte of it is well-formed
// UTF-8 (a leading UTF-8 byte-order mark is dropped) and as Windows-1252 otherwise. Writing with
// modeWriteUtf16 produces UTF-16 little-endian with a byte-order mark. One object serves one file.
class CStdioFileEx final
{
public:
    static constexpr unsigned modeRead = 0x0000;
    static constexpr unsigned modeWrite = 0x0001;
    static constexpr unsigned modeReadWrite = 0x0002;
    static constexpr unsigned modeCreate = 0x1000;
    static constexpr unsigned typeText = 0x4000;
    static constexpr unsigned typeBinary = 0x8000;
    static constexpr unsigned modeWriteUtf16 = 0x20000;

    static constexpr int systemCodePage = -1;
    static constexpr int codePageWindows1252 = 1252;
    static constexpr int codePageUtf8 = 65001;

    explicit CStdioFileEx(FileSystem& fileSystem = FileSystem::system());
    ~CStdioFileEx();
    CStdioFileEx(const CStdioFileEx&) = delete;
    CStdioFileEx& operator=(const CStdioFileEx&) = delete;

    // path is UTF-8, as the file system takes it. Returns false when the file cannot be opened.
    bool openText(const std::string& path, unsigned mode);
    // Writes into a descriptor that the caller opened (a temporary file); the object closes it.
    void attachForWriting(int fd, unsigned mode);

    // Reads the next line without its line end (LF, CR LF, or a lone trailing CR). Returns false
    // at the end of the file or on a read error, leaving line empty. A line may be of any length.
    bool readLine(std::u16string& line);
    // Returns false once any write has failed; the first failure is kept in errorNumber().
    bool writeText(std::u16string_view text);
    bool flush();
    bool sync();
    // Flushes and closes; false when anything written since opening failed to reach the file.
    bool closeFile();

    static bool hasUtf16Mark(const std::string& path);

    bool isOpen() const { return m_fd >= 0; }
    // The size of the file when it was opened for reading, in bytes.
    unsigned long long sizeInBytes() const { return m_sizeInBytes; }
    bool isUtf16() const { return m_isUtf16; }
    unsigned openFlags() const { return m_openFlags; }
    int codePage() const { return m_codePage; }
    bool hasError() const { return m_errorNumber != 0; }
    int errorNumber() const { return m_errorNumber; }

private:
    bool isWriting() const;
    bool fillBuffer();
    bool readUtf16Line(std::u16string& line);
    bool readByteLine(std::u16string& line);
    void detectByteEncoding();
    bool writeBytes(const char* data, std::size_t size);
    void fail(int errorNumber);

    FileSystem& m_fileSystem;
    int m_fd = -1;
    bool m_isUtf16 = false;
    unsigned m_openFlags = 0;
    int m_codePage = systemCodePage;
    int m_errorNumber = 0;
    bool m_atEnd = false;
    bool m_markPending = false;
    long long m_bytesWritten = 0;
    unsigned long long m_sizeInBytes = 0;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    std::string m_byteLine;
};
