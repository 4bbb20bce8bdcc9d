#pragma once

#include "DataSetFile.h"

#include <string>
#include <vector>

class CStdioFileEx;

// An entry of another user's data set, offered for merging: its two texts only.
struct IncomingEntry
{
    std::u16string text1;
    std::u16string text2;

    bool operator==(const IncomingEntry&) const = default;
};

// Reads the entries of another data set: the count line, an optional header line, then one line per
// entry, split at its first two ";". Boxes, dates, categories and names are ignored; lines with both
// texts empty give nothing.
std::vector<IncomingEntry> readIncomingEntries(CStdioFileEx& file);
// The same for a path; a file that cannot be opened or read gives a failure and no entries.
// Merging the chosen ones into a store is mergeSelectedEntries (IncomingMerge.h in the order
// library), which needs the order library's duplicate test.
FileResult readIncomingEntries(FileSystem& fileSystem, const std::u16string& path,
                               std::vector<IncomingEntry>& entries);
