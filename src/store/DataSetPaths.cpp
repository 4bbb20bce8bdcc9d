#include "DataSetPaths.h"

namespace {

constexpr std::u16string_view dataSetExtension = u".zenv";
constexpr std::u16string_view textExtension = u".txt";

bool endsWith(std::u16string_view text, std::u16string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

} // namespace

std::u16string withDataSetExtension(std::u16string_view path)
{
    std::u16string result(path);
    if (!endsWith(result, dataSetExtension))
        result += dataSetExtension;
    return result;
}

std::u16string applyExtensionRule(std::u16string_view path)
{
    if (endsWith(path, textExtension))
        path.remove_suffix(textExtension.size());
    return withDataSetExtension(path);
}

std::optional<std::u16string> titleForPath(std::u16string_view path)
{
    const std::size_t separator = path.rfind(u'/');
    if (separator == std::u16string_view::npos || separator == 0)
        return std::nullopt;
    std::u16string_view name = path.substr(separator + 1);
    name.remove_suffix(std::min<std::size_t>(name.size(), dataSetExtension.size()));
    return std::u16string(name);
}
