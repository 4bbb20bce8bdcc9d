#pragma once

#include <compare>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

class EntryText;

// A text other than an EntryText: a std::u16string, a view or a literal.
template <typename Text>
concept NotEntryText =
    std::convertible_to<const Text&, std::u16string_view> && !std::same_as<Text, EntryText>;

// The text of an entry in 12 bytes: its length and, up to four UTF-16 code units, the units
// themselves, otherwise the address of a heap block holding exactly its units. A regular value that
// reads like a std::u16string_view and is replaced as a whole, so that millions of short entries take
// little more than their numbers. Use it inside WordEntry; elsewhere texts are std::u16string.
class EntryText final
{
public:
    static constexpr std::size_t inlineCapacity = 4;

    EntryText() noexcept = default;
    // Implicit, like std::u16string's own constructors, so that an entry is filled from any text.
    EntryText(std::u16string_view text) { assign(text); }
    EntryText(const std::u16string& text) : EntryText(std::u16string_view(text)) {}
    EntryText(const char16_t* text) : EntryText(std::u16string_view(text)) {}
    EntryText(const EntryText& other) : EntryText(other.view()) {}
    EntryText(EntryText&& other) noexcept : m_size(other.m_size)
    {
        std::memcpy(m_units, other.m_units, sizeof m_units);
        other.m_size = 0;
    }
    ~EntryText() { release(); }

    EntryText& operator=(const EntryText& other);
    EntryText& operator=(EntryText&& other) noexcept;
    EntryText& operator=(std::u16string_view text);
    EntryText& operator=(const std::u16string& text) { return *this = std::u16string_view(text); }
    EntryText& operator=(const char16_t* text) { return *this = std::u16string_view(text); }

    std::size_t size() const noexcept { return m_size; }
    bool empty() const noexcept { return m_size == 0; }
    const char16_t* data() const noexcept { return isInline() ? m_units : block(); }
    const char16_t* begin() const noexcept { return data(); }
    const char16_t* end() const noexcept { return data() + m_size; }
    char16_t operator[](std::size_t index) const noexcept { return data()[index]; }

    std::u16string_view view() const noexcept { return {data(), m_size}; }
    operator std::u16string_view() const noexcept { return view(); }
    std::u16string str() const { return std::u16string(view()); }

    friend bool operator==(const EntryText& a, const EntryText& b) noexcept { return a.view() == b.view(); }
    friend std::strong_ordering operator<=>(const EntryText& a, const EntryText& b) noexcept
    {
        return a.view() <=> b.view();
    }
    // Any other text compares as it is, without becoming an EntryText first.
    template <NotEntryText Text> friend bool operator==(const EntryText& a, const Text& b) noexcept
    {
        return a.view() == std::u16string_view(b);
    }
    template <NotEntryText Text>
    friend std::strong_ordering operator<=>(const EntryText& a, const Text& b) noexcept
    {
        return a.view() <=> std::u16string_view(b);
    }

private:
    bool isInline() const noexcept { return m_size <= inlineCapacity; }
    char16_t* block() const noexcept
    {
        char16_t* address = nullptr;
        std::memcpy(&address, m_units, sizeof address);
        return address;
    }
    // Requires that nothing is held (a new or released object).
    void assign(std::u16string_view text);
    void release() noexcept;

    std::uint32_t m_size = 0;
    char16_t m_units[inlineCapacity] = {};
};

static_assert(sizeof(EntryText) == 12 && sizeof(char16_t*) <= sizeof(char16_t[EntryText::inlineCapacity]));
