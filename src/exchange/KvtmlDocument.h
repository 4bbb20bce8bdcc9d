#pragma once

#include "ImportedTable.h"

#include <string>
#include <string_view>

class CWordStore;

// KDE's vocabulary document (kvtml, version 2.0), the XML that flash-card and vocabulary programs
// of that desktop write.

// The lesson under which a kvtml export gathers the entries without category; reading maps it
// back to category 0.
inline constexpr std::u16string_view uncategorisedLessonName = u"Sen kategorio";

// Reads a decoded document: one column per identifier (their names in columnNames), one row per
// entry with the text of each translation, and the lessons (nested ones flattened in document
// order; an entry belongs to the first lesson that lists it).
ImportError parseKvtml(std::u16string_view text, ImportedTable& table);

// The whole store as a document: the list names as identifiers, each entry's texts as translations
// with its boxes as grades, the categories as lessons.
std::u16string kvtmlText(const CWordStore& store);
