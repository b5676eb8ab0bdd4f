#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarn {

// A length-prefixed string of fixed capacity: one length byte (0..N), then N
// character bytes of which the first `length` count. The raw bytes are kept,
// so bytes past the text survive a load and save unchanged.
template <std::size_t N>
class PascalString {
public:
    static constexpr std::size_t kSize = N + 1;
    using Bytes = std::array<std::uint8_t, kSize>;

    std::string text() const
    {
        const std::size_t length = std::min<std::size_t>(bytes_[0], N);
        return std::string(reinterpret_cast<const char*>(bytes_.data() + 1), length);
    }
    // Longer texts are cut to the capacity.
    void setText(std::string_view text)
    {
        const std::size_t length = std::min(text.size(), N);
        bytes_[0] = static_cast<std::uint8_t>(length);
        std::copy_n(text.begin(), length, bytes_.begin() + 1);
    }
    Bytes& bytes() { return bytes_; }
    const Bytes& bytes() const { return bytes_; }

    friend bool operator==(const PascalString&, const PascalString&) = default;

private:
    Bytes bytes_{};
};

// A zero-terminated text in an N-byte slot; at most N-1 characters.
template <std::size_t N>
class CharArray {
public:
    static constexpr std::size_t kSize = N;
    using Bytes = std::array<std::uint8_t, N>;

    std::string text() const
    {
        const auto end = std::find(bytes_.begin(), bytes_.end(), 0);
        return std::string(bytes_.begin(), end);
    }
    // Longer texts are cut to N-1 characters; the rest of the slot is zeroed.
    void setText(std::string_view text)
    {
        const std::size_t length = std::min(text.size(), N - 1);
        bytes_.fill(0);
        std::copy_n(text.begin(), length, bytes_.begin());
    }
    Bytes& bytes() { return bytes_; }
    const Bytes& bytes() const { return bytes_; }

    friend bool operator==(const CharArray&, const CharArray&) = default;

private:
    Bytes bytes_{};
};

}  // namespace tarn
