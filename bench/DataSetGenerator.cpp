#include "DataSetGenerator.h"

namespace {

constexpr std::u16string_view consonants = u"bdfgklmnprstvz";
constexpr std::u16string_view esperantoConsonants = u"bcĉdfgĝhĵklmnprsŝtvz";
constexpr std::u16string_view vowels = u"aeiou";
constexpr std::u16string_view comments[] = {u" (optique)", u" (besto)", u" (le)", u" (familiare)", u" (f)"};

} // namespace

std::uint32_t DataSetGenerator::next()
{
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

int DataSetGenerator::between(int low, int high)
{
    return low + static_cast<int>(next() % static_cast<std::uint32_t>(high - low + 1));
}

std::u16string DataSetGenerator::word(int minimumLength, int maximumLength, bool esperanto)
{
    const std::u16string_view letters = esperanto ? esperantoConsonants : consonants;
    const int length = between(minimumLength, maximumLength);
    std::u16string result;
    for (int i = 0; i < length; ++i) {
        const bool vowel = (i % 2 == 1) != (next() % 5 == 0);
        const std::u16string_view from = vowel ? vowels : letters;
        result += from[next() % from.size()];
    }
    if (esperanto && length > 2)
        result.back() = u'o';
    return result;
}

std::u16string DataSetGenerator::text(bool esperanto)
{
    std::u16string result = word(5, 15, esperanto);
    if (next() % 5 < 2)
        result += u" " + word(2, 8, esperanto);
    if (!esperanto && next() % 4 == 0)
        result += comments[next() % std::size(comments)];
    return result;
}

WordEntry DataSetGenerator::entry()
{
    WordEntry e;
    e.text1 = text(false);
    e.text2 = text(true);
    e.box1 = between(0, 5);
    e.box2 = between(0, 4);
    e.year1 = between(2014, 2026);
    e.month1 = between(1, 12);
    e.day1 = between(1, 28);
    e.year2 = between(2014, 2026);
    e.month2 = between(1, 12);
    e.day2 = between(1, 28);
    e.category = next() % 3 == 0 ? between(1, 10) : 0;
    return e;
}

CWordStore DataSetGenerator::store(int entries, const std::u16string& path)
{
    CWordStore result({9, 12, 2026}, path);
    result.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    result.setListName1(u"Franca");
    result.setListName2(u"Esperanto");
    result.setCategoryName(1, u"Bestoj");
    result.setCategoryName(2, u"Manĝaĵoj");
    for (int i = 0; i < entries; ++i)
        result.appendEntry(entry());
    return result;
}

std::vector<std::u16string> DataSetGenerator::words(int count, int minimumLength, int maximumLength)
{
    std::vector<std::u16string> result;
    result.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        result.push_back(word(minimumLength, maximumLength, next() % 2 == 0));
    return result;
}
