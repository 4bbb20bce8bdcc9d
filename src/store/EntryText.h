#pragma once

#include <bit>
#include <compare>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The text of an entry in 8 bytes: up to three UTF-16 code units in place, a longer text in a heap
// block of its own holding its length and exactly its code units. A regular value that reads like a
// std::u16string_view and is replaced as a whole, so that millions of short entries take little more
// than their numbers. Use it only inside WordEntry; elsewhere texts are std::u16string.
class EntryText final
{
public:
    static constexpr std::size_t inlineCapacity = 3;

    EntryText() noexcept = default;
    // Implicit, like std::u16string's own constructors, so that an entry is filled from any text.
    EntryText(std::u16string_view text) { assign(text); }
    EntryText(const std::u16string& text) : EntryText(std::u16string_view(text)) {}
    EntryText(const char16_t* text) : EntryText(std::u16string_view(text)) {}
    EntryText(const EntryText& other) : EntryText(other.view()) {}
    EntryText(EntryText&& other) noexcept : m_units{other.m_units[0], other.m_units[1], other.m_units[2], other.m_units[3]}
    {
        other.setEmpty();
    }
    ~EntryText() { release(); }

    EntryText& operator=(const EntryText& other);
    EntryText& operator=(EntryText&& other) noexcept;
    EntryText& operator=(std::u16string_view text);
    EntryText& operator=(const std::u16string& text) { return *this = std::u16string_view(text); }
    EntryText& operator=(const char16_t* text) { return *this = std::u16string_view(text); }

    std::size_t size() const noexcept { return isInline() ? tag() >> 1 : *static_cast<const std::uint32_t*>(block()); }
    bool empty() const noexcept { return size() == 0; }
    const char16_t* data() const noexcept { return isInline() ? m_units + inlineOffset : heapUnits(block()); }
    const char16_t* begin() const noexcept { return data(); }
    const char16_t* end() const noexcept { return data() + size(); }
    char16_t operator[](std::size_t index) const noexcept { return data()[index]; }

    std::u16string_view view() const noexcept { return {data(), size()}; }
    operator std::u16string_view() const noexcept { return view(); }
    std::u16string str() const { return std::u16string(view()); }

    friend bool operator==(const EntryText& a, const EntryText& b) noexcept { return a.view() == b.view(); }
    friend std::strong_ordering operator<=>(const EntryText& a, const EntryText& b) noexcept
    {
        return a.view() <=> b.view();
    }
    // Any other text compares as it is, without becoming an EntryText first.
    template <typename Text>
        requires(std::convertible_to<const Text&, std::u16string_view> && !std::same_as<Text, EntryText>)
    friend bool operator==(const EntryText& a, const Text& b) noexcept
    {
        return a.view() == std::u16string_view(b);
    }
    template <typename Text>
        requires(std::convertible_to<const Text&, std::u16string_view> && !std::same_as<Text, EntryText>)
    friend std::strong_ordering operator<=>(const EntryText& a, const Text& b) noexcept
    {
        return a.view() <=> std::u16string_view(b);
    }

private:
    static_assert(sizeof(void*) == 8, "a heap block's address fills the 8 bytes");
    static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big);

    // The unit that holds the low 16 bits of a block's address. A block address is even, so an odd
    // tag marks a text held in place; its length is the tag's upper bits.
    static constexpr std::size_t tagIndex = std::endian::native == std::endian::little ? 0 : 3;
    static constexpr std::size_t inlineOffset = std::endian::native == std::endian::little ? 1 : 0;

    static const char16_t* heapUnits(const void* block) noexcept
    {
        return reinterpret_cast<const char16_t*>(static_cast<const unsigned char*>(block) + sizeof(std::uint32_t));
    }

    char16_t tag() const noexcept { return m_units[tagIndex]; }
    bool isInline() const noexcept { return (tag() & 1) != 0; }
    const void* block() const noexcept;
    void setEmpty() noexcept;
    // Requires that nothing is held (a new or released object).
    void assign(std::u16string_view text);
    void release() noexcept;

    char16_t m_units[4] = {tagIndex == 0 ? char16_t(1) : char16_t(0), 0, 0, tagIndex == 3 ? char16_t(1) : char16_t(0)};
};

static_assert(sizeof(EntryText) == 8);
