#include "EntryText.h"

#include <limits>
#include <new>

void EntryText::assign(std::u16string_view text)
{
    // A text beyond the 32-bit length would need more memory than a data set may take anyway.
    if (text.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::bad_alloc();
    const auto size = static_cast<std::uint32_t>(text.size());
    if (size <= inlineCapacity) {
        std::memcpy(m_units, text.data(), size * sizeof(char16_t));
    } else {
        auto* address = static_cast<char16_t*>(::operator new(size * sizeof(char16_t)));
        std::memcpy(address, text.data(), size * sizeof(char16_t));
        std::memcpy(m_units, &address, sizeof address);
    }
    m_size = size;
}

void EntryText::release() noexcept
{
    if (!isInline())
        ::operator delete(block());
}

EntryText& EntryText::operator=(const EntryText& other)
{
    if (this != &other)
        *this = other.view();
    return *this;
}

EntryText& EntryText::operator=(EntryText&& other) noexcept
{
    if (this != &other) {
        release();
        m_size = other.m_size;
        std::memcpy(m_units, other.m_units, sizeof m_units);
        other.m_size = 0;
    }
    return *this;
}

EntryText& EntryText::operator=(std::u16string_view text)
{
    // The new text is made first: it may be a part of the old one, and a failed allocation keeps the
    // old text.
    EntryText replacement(text);
    return *this = std::move(replacement);
}
