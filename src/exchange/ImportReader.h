#pragma once

#include "ImportedTable.h"

#include <string>
#include <string_view>

class FileSystem;

// Reads a file of another trainer or a spreadsheet into a table. The format is found from the
// content: XML is a kvtml document, "#key:value" header lines mark the flash-card export, anything
// else is CSV or TSV with its separator detected. The file name's extension only settles what the
// content leaves open. On an error the table is left empty.
ImportError parseImport(std::string_view bytes, std::u16string_view fileName, ImportedTable& table);

// The same for a file on disk (path as pathBytes takes it); anything but a regular file, and a file
// larger than maxImportBytes, is refused before it is read.
ImportError readImportFile(FileSystem& fileSystem, const std::u16string& path, ImportedTable& table);
