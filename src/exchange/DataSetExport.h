#pragma once

#include "DataSetFile.h"
#include "ImportedTable.h"

#include <optional>
#include <string>
#include <string_view>

class CWordStore;
class FileSystem;

// The format an export path asks for by its extension (".csv", ".tsv", ".kvtml"), if any.
std::optional<ExchangeFormat> exportFormatOfPath(std::u16string_view path);

// The whole data set in a format for other programs: CSV and TSV with a header row of the list
// names and one row per entry (quoted where needed), or a kvtml document. CardText is written as TSV.
std::u16string exportText(const CWordStore& store, ExchangeFormat format);

// Writes the export as UTF-8 through the data set's safe save.
FileResult exportDataSet(FileSystem& fileSystem, const CWordStore& store, const std::u16string& path,
                         ExchangeFormat format);
