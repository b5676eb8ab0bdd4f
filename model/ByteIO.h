#pragma once

#include "model/Real48.h"

#include <array>
#include <bit>
#include <concepts>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace tarn {

static_assert(std::endian::native == std::endian::little,
              "the file readers and writers assume a little-endian machine");

// Reads little-endian fields from a block of bytes. Every read is checked
// against what is left, so a short or damaged block can never be read past;
// running out throws EInvalidData with the message given at construction.
class ByteReader {
public:
    ByteReader(std::span<const std::uint8_t> data, std::string truncatedMessage)
        : data_(data), truncatedMessage_(std::move(truncatedMessage)) {}

    template <typename T>
        requires std::is_arithmetic_v<T>
    void field(T& value) { read(&value, sizeof value); }

    void field(Real48& value)
    {
        Real48::Bytes raw;
        read(raw.data(), raw.size());
        value = Real48::fromBytes(raw);
    }

    template <typename T, std::size_t N>
        requires(sizeof(T) == 1)
    void field(std::array<T, N>& bytes) { read(bytes.data(), N); }

    template <typename T>
    T get()
    {
        T value{};
        field(value);
        return value;
    }

    // Copies `size` bytes; the caller has checked that `size` fits its storage.
    void read(void* target, std::size_t size)
    {
        require(size);
        std::memcpy(target, data_.data() + position_, size);
        position_ += size;
    }

    // A view of the next `size` bytes, consumed.
    std::span<const std::uint8_t> take(std::size_t size)
    {
        require(size);
        auto view = data_.subspan(position_, size);
        position_ += size;
        return view;
    }

    std::size_t position() const { return position_; }
    std::size_t remaining() const { return data_.size() - position_; }

private:
    void require(std::size_t size) const;

    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
    std::string truncatedMessage_;
};

// Appends little-endian fields to a growing block of bytes.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    template <typename T>
        requires std::is_arithmetic_v<T>
    void field(const T& value) { write(&value, sizeof value); }

    void field(const Real48& value) { write(value.bytes().data(), value.bytes().size()); }

    template <typename T, std::size_t N>
        requires(sizeof(T) == 1)
    void field(const std::array<T, N>& bytes) { write(bytes.data(), N); }

    void write(const void* source, std::size_t size)
    {
        const std::size_t at = out_.size();
        out_.resize(at + size);
        std::memcpy(out_.data() + at, source, size);
    }

private:
    std::vector<std::uint8_t>& out_;
};

}  // namespace tarn
