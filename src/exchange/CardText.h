#pragma once

#include "ImportedTable.h"

#include <string>
#include <string_view>

// The plain-text export of flash-card programs: "#key:value" header lines ("#separator:tab",
// "#html:true", "#columns:Front<tab>Back", ...) before separator-delimited rows.

// Whether text opens with such a header line.
bool hasCardHeader(std::u16string_view text);

// Reads the header lines and the rows. Fields are turned from HTML into plain text unless the header
// says "#html:false".
ImportError parseCardText(std::u16string_view text, ImportedTable& table);

// HTML as card fields hold it, as plain text: tags dropped (line breaks and block starts become line
// breaks), character references and the common named entities replaced by their characters.
std::u16string htmlToText(std::u16string_view html);
