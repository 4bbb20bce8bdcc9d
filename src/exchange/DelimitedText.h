#pragma once

#include "ImportedTable.h"

#include <string>
#include <string_view>
#include <vector>

// Separator-delimited text as spreadsheets write it (RFC 4180): fields that hold the separator, a
// quote or a line break are quoted, with quotes inside doubled. Line ends may be CR LF, LF or CR.

// Splits text into rows; empty lines give no row. firstLine numbers the first line of text, for the
// line an error names. A quoted field left open at the end gives UnbalancedQuote; a field or row
// longer than maxImportLineLength gives LineTooLong.
ImportError parseDelimited(std::u16string_view text, char16_t separator, std::vector<ImportedRow>& rows,
                           std::size_t firstLine = 1);

// The separator among tab, ";" and "," that splits the first lines most consistently (the same
// number of fields on each line, at least two). preferred decides ties and files of one column.
char16_t detectSeparator(std::u16string_view text, char16_t preferred);

// One row of fields with their line end (CR LF), quoted where needed.
void appendDelimitedRow(std::u16string& out, const std::vector<std::u16string_view>& fields,
                        char16_t separator);
