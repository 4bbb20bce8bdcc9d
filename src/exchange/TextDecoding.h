#pragma once

#include "ImportedTable.h"

#include <string>
#include <string_view>

// A whole file's text, decoded.
struct DecodedText
{
    std::u16string text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Decodes the bytes of a file: UTF-16 by its byte-order mark (either order), UTF-8 when every byte is
// well-formed UTF-8 (a byte-order mark is dropped), Windows-1252 otherwise. Bytes that hold NUL
// characters, more than a few other control characters, or a UTF-16 text cut in the middle of a
// code unit are not text, and give ImportProblem::Binary.
ImportError decodeText(std::string_view bytes, DecodedText& decoded);
