#pragma once

#include <string>
#include <string_view>

// Invariants that must hold for any bytes coming from outside. Each check returns an empty text
// when everything holds, otherwise what went wrong. The fuzz targets abort on a complaint; the tests
// replay the seed corpus through the same checks.

// Reads bytes as a data-set or text file: count equals the entries held, no entry is empty on both
// sides or learned in both directions, a store without ";" or line breaks in its texts and names is
// written and read back unchanged, and devices and FIFOs are never opened for reading.
std::string checkDataSetBytes(std::string_view bytes);

// The number rule agrees with the C library's strtoll, clamped to 32 bits.
std::string checkNumberRule(std::string_view bytes);

// Reads bytes as another user's data set offered for merging: no entry is empty on both sides.
std::string checkIncomingBytes(std::string_view bytes);

// Reads bytes as a file of another trainer or a spreadsheet: an error leaves the table empty; every
// entry that an import appends is storable and non-empty; the rows read from a CSV export of those
// entries are the entries again.
std::string checkImportBytes(std::string_view bytes);
