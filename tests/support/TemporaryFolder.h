#pragma once

#include <string>
#include <string_view>

// A fresh folder under the system's temporary folder, removed with everything in it at the end of
// the test.
class TemporaryFolder final
{
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(std::string_view name) const;
    std::u16string file16(std::string_view name) const;
    // The names of the entries in the folder, sorted.
    std::string listing() const;

private:
    std::string m_path;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, std::string_view bytes);
// UTF-16 little-endian bytes of a text, with or without the byte-order mark.
std::string utf16Bytes(std::u16string_view text, bool withMark = true);
