#pragma once

#include "FileFacts.h"
#include "FileSystem.h"

#include <string>
#include <string_view>
#include <vector>

// A line-oriented text file that hides the encoding. Reading recognises UTF-16 by its byte-order mark
// (FF FE little-endian, FE FF big-endian); any other file is 8-bit text: UTF-8 when it starts with the
// UTF-8 byte-order mark (dropped; malformed bytes then become U+FFFD and are counted) or when every
// byte of it is well-formed UTF-8, Windows-1252 otherwise. Lines end with LF or CR LF, or with CR
// alone in a file whose first line end is a CR without LF. Only regular files are read: a folder, a
// device or a FIFO is refused before a byte is read from it, so nothing ever blocks.
// Writing with modeWriteUtf16 produces UTF-16 little-endian with a byte-order mark. One object serves
// one file.
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

    // Every call reaches the system through fileSystem, which must outlive the object.
    explicit CStdioFileEx(FileSystem& fileSystem);
    ~CStdioFileEx();
    CStdioFileEx(const CStdioFileEx&) = delete;
    CStdioFileEx& operator=(const CStdioFileEx&) = delete;

    // path holds the file name's bytes. Returns false when the file cannot be opened or is not a
    // regular file (then refusedKind() says what it is).
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
    // Flushes and hands the descriptor back without closing it; hasError() tells whether every write
    // reached the file.
    int detachDescriptor();

    static bool hasUtf16Mark(FileSystem& fileSystem, const std::string& path);

    // The line ends of the whole file as it is now (LF, or CR in a file whose lines end with CR),
    // counted without moving the reading position: one less than the file's lines at most. Reads
    // the file once more; 0 on a read error.
    unsigned long long countLineEnds() const;

    bool isOpen() const { return m_fd >= 0; }
    // The size of the file when it was opened for reading, in bytes.
    unsigned long long sizeInBytes() const { return m_sizeInBytes; }
    bool isUtf16() const { return m_isUtf16; }
    bool isBigEndian() const { return m_swapBytes; }
    // What the path named when openText refused it for not being a regular file; Regular otherwise.
    FileKind refusedKind() const { return m_refusedKind; }
    // The file as it was opened for reading.
    const FileStamp& stamp() const { return m_stamp; }
    // Whether the line last read ended with a line end (false for a last line cut off by the end).
    bool lineHadEnd() const { return m_lineHadEnd; }
    // A UTF-16 file whose size is odd: its last byte cannot form a code unit and is dropped.
    bool droppedOddByte() const { return m_droppedOddByte; }
    // Malformed bytes of a UTF-8 file with byte-order mark, each read as U+FFFD.
    std::size_t replacedBytes() const { return m_replacedBytes; }
    unsigned openFlags() const { return m_openFlags; }
    int codePage() const { return m_codePage; }
    bool hasError() const { return m_errorNumber != 0; }
    int errorNumber() const { return m_errorNumber; }

private:
    bool isWriting() const;
    bool fillBuffer();
    // Turns big-endian code units in the buffer into little-endian ones.
    void swapPairs();
    void decideLineEnd();
    void skipPendingLineFeed(std::size_t unit);
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
    bool m_swapBytes = false;
    bool m_lenientUtf8 = false;
    bool m_carriageReturnEndsLine = false;
    bool m_lineFeedPending = false;
    bool m_lineHadEnd = false;
    bool m_droppedOddByte = false;
    std::size_t m_replacedBytes = 0;
    FileKind m_refusedKind = FileKind::Regular;
    FileStamp m_stamp;
    long long m_bytesWritten = 0;
    unsigned long long m_sizeInBytes = 0;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    std::string m_byteLine;
};
