#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The file formats that other trainers and spreadsheets exchange vocabulary in.
enum class ExchangeFormat
{
    Csv,
    Tsv,
    Kvtml,   // KDE's vocabulary document, version 2.0
    CardText // the tab-separated export of flash-card programs, with "#key:value" header lines
};

enum class TextEncoding
{
    Utf8,
    Utf8WithMark,
    Utf16LittleEndian,
    Utf16BigEndian,
    Windows1252
};

// Why a file could not be read at all. Nothing is taken from such a file.
enum class ImportProblem
{
    None,
    CannotOpen,
    CannotRead,
    TooLarge,         // beyond maxImportBytes
    Binary,           // NUL bytes or control characters: not a text file
    Empty,            // no row holds any text
    UnbalancedQuote,  // a quoted field runs to the end of the file
    LineTooLong,      // a field or line beyond maxImportLineLength code units
    MalformedXml,     // not well-formed XML
    NotVocabularyXml, // well-formed, but not a kvtml document of version 2
};

struct ImportError
{
    ImportProblem problem = ImportProblem::None;
    // The line (from 1) where the problem was found, 0 when it concerns the whole file.
    std::size_t line = 0;

    explicit operator bool() const { return problem != ImportProblem::None; }
    bool operator==(const ImportError&) const = default;
};

inline constexpr std::size_t maxImportBytes = 64u << 20;
inline constexpr std::size_t maxImportLineLength = 1u << 20;

// One row of an imported file: all its fields, and the lesson it belongs to (an index into
// ImportedTable::lessonNames, or -1).
struct ImportedRow
{
    std::vector<std::u16string> fields;
    int lesson = -1;

    bool operator==(const ImportedRow&) const = default;
};

// Everything read from a file, before any choice of the user: plain data.
struct ImportedTable
{
    ExchangeFormat format = ExchangeFormat::Csv;
    TextEncoding encoding = TextEncoding::Utf8;
    char16_t separator = u',';
    // Column names given by the format itself (kvtml identifiers, "#columns:"); empty otherwise.
    std::vector<std::u16string> columnNames;
    // The first row of a CSV or TSV file looks like a header; the user may decide otherwise.
    bool firstRowLooksLikeHeader = false;
    std::vector<ImportedRow> rows;
    std::vector<std::u16string> lessonNames;

    // The most fields any row has.
    std::size_t columnCount() const;
};
