#include "DelimitedText.h"

#include <array>

namespace {

constexpr char16_t quote = u'"';
constexpr std::size_t linesLookedAt = 50;
constexpr std::array<char16_t, 3> candidates = {u'\t', u';', u','};

bool isLineEnd(char16_t c)
{
    return c == u'\n' || c == u'\r';
}

// Moves past one line end (CR LF counts as one) at position i.
std::size_t skipLineEnd(std::u16string_view text, std::size_t i)
{
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
        return i + 2;
    return i + 1;
}

} // namespace

ImportError parseDelimited(std::u16string_view text, char16_t separator, std::vector<ImportedRow>& rows,
                           std::size_t firstLine)
{
    std::size_t line = firstLine;
    std::size_t i = 0;
    ImportedRow row;
    std::u16string field;
    std::size_t rowStart = 0;
    const auto endRow = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
        if (row.fields.size() > 1 || !row.fields.front().empty())
            rows.push_back(std::move(row));
        row = {};
    };

    while (i < text.size()) {
        if (i - rowStart > maxImportLineLength)
            return {ImportProblem::LineTooLong, line};
        if (text[i] == quote && field.empty()) {
            const std::size_t openedOn = line;
            ++i;
            for (;;) {
                if (i >= text.size())
                    return {ImportProblem::UnbalancedQuote, openedOn};
                if (field.size() > maxImportLineLength)
                    return {ImportProblem::LineTooLong, openedOn};
                const char16_t c = text[i];
                if (c == quote) {
                    if (i + 1 < text.size() && text[i + 1] == quote) {
                        field += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (c == u'\n' || (c == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n')))
                    ++line;
                field += c;
                ++i;
            }
            // Text after the closing quote is kept as it stands, as spreadsheets do.
            continue;
        }
        const char16_t c = text[i];
        if (c == separator) {
            row.fields.push_back(std::move(field));
            field.clear();
            ++i;
        } else if (isLineEnd(c)) {
            endRow();
            i = skipLineEnd(text, i);
            rowStart = i;
            ++line;
        } else {
            field += c;
            ++i;
        }
    }
    if (!field.empty() || !row.fields.empty())
        endRow();
    return {};
}

char16_t detectSeparator(std::u16string_view text, char16_t preferred)
{
    // Counts each candidate per line outside quotes, over the first lines.
    std::array<std::array<std::size_t, linesLookedAt>, candidates.size()> counts{};
    // A separator followed by a blank is more likely punctuation inside a text.
    std::array<std::size_t, candidates.size()> blankAfter{};
    std::size_t lines = 0;
    bool quoted = false;
    bool lineHasText = false;
    for (std::size_t i = 0; i < text.size() && lines < linesLookedAt; ++i) {
        const char16_t c = text[i];
        if (c == quote) {
            quoted = !quoted;
        } else if (!quoted && isLineEnd(c)) {
            if (lineHasText)
                ++lines;
            lineHasText = false;
            continue;
        } else if (!quoted) {
            for (std::size_t k = 0; k < candidates.size(); ++k) {
                if (c != candidates[k])
                    continue;
                ++counts[k][lines];
                if (i + 1 < text.size() && text[i + 1] == u' ')
                    ++blankAfter[k];
            }
        }
        lineHasText = true;
    }
    if (lineHasText && lines < linesLookedAt)
        ++lines;

    // Ranked by the lines split consistently, then by fewer blanks after, then the preferred one.
    char16_t best = preferred;
    std::size_t bestScore = 0;
    std::size_t bestBlanks = 0;
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        std::size_t score = 0;
        for (std::size_t l = 0; l < lines; ++l)
            if (counts[k][l] > 0 && counts[k][l] == counts[k][0])
                ++score;
        if (score == 0)
            continue;
        const bool better =
            score > bestScore ||
            (score == bestScore &&
             (blankAfter[k] < bestBlanks || (blankAfter[k] == bestBlanks && candidates[k] == preferred)));
        if (better) {
            best = candidates[k];
            bestScore = score;
            bestBlanks = blankAfter[k];
        }
    }
    return best;
}

void appendDelimitedRow(std::u16string& out, const std::vector<std::u16string_view>& fields,
                        char16_t separator)
{
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (f > 0)
            out += separator;
        const std::u16string_view field = fields[f];
        // Fields holding any of the separators looked for are quoted too, and so are those that
        // could pass for a header line or XML, so that detection finds this format again whatever
        // the texts hold.
        const std::size_t visible = field.find_first_not_of(u' ');
        const bool quoted =
            field.find_first_of(std::u16string{separator, quote, u'\r', u'\n', u'\t', u';', u','}) !=
                std::u16string_view::npos ||
            field.starts_with(u'#') || (visible != std::u16string_view::npos && field[visible] == u'<');
        if (!quoted) {
            out += field;
            continue;
        }
        out += quote;
        for (const char16_t c : field) {
            if (c == quote)
                out += quote;
            out += c;
        }
        out += quote;
    }
    out += u"\r\n";
}
