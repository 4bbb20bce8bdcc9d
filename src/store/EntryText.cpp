#include "EntryText.h"

#include <cstring>
#include <limits>
#include <new>

const void* EntryText::block() const noexcept
{
    const void* address = nullptr;
    std::memcpy(&address, m_units, sizeof address);
    return address;
}

void EntryText::setEmpty() noexcept
{
    std::memset(m_units, 0, sizeof m_units);
    m_units[tagIndex] = 1;
}

void EntryText::assign(std::u16string_view text)
{
    const std::size_t length = text.size();
    if (length <= inlineCapacity) {
        std::memset(m_units, 0, sizeof m_units);
        m_units[tagIndex] = static_cast<char16_t>(length << 1 | 1);
        if (length > 0)
            std::memcpy(m_units + inlineOffset, text.data(), length * sizeof(char16_t));
        return;
    }
    // A text beyond the 32-bit length would need more memory than a data set may take anyway.
    if (length > std::numeric_limits<std::uint32_t>::max())
        throw std::bad_alloc();
    void* address = ::operator new(sizeof(std::uint32_t) + length * sizeof(char16_t));
    const auto stored = static_cast<std::uint32_t>(length);
    std::memcpy(address, &stored, sizeof stored);
    std::memcpy(static_cast<unsigned char*>(address) + sizeof stored, text.data(), length * sizeof(char16_t));
    std::memcpy(m_units, &address, sizeof address);
}

void EntryText::release() noexcept
{
    if (!isInline())
        ::operator delete(const_cast<void*>(block()));
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
        std::memcpy(m_units, other.m_units, sizeof m_units);
        other.setEmpty();
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
