// Read-only bytes that are either their own or a piece of a larger buffer
// they keep alive: the payloads of a layout stream refer into the stream as
// it was read (or mapped) rather than each being copied out of it. Copying a
// Bytes shares the buffer.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <utility>
#include <vector>

namespace kvarnel::layout {

class Bytes {
public:
    Bytes() = default;
    // Takes `own` as its buffer.
    Bytes(std::vector<uint8_t> own)  // NOLINT: implicit on purpose, a vector is bytes
        : keeper_(std::make_shared<const std::vector<uint8_t>>(std::move(own))) {
        const auto& v = *static_cast<const std::vector<uint8_t>*>(keeper_.get());
        data_ = v.data();
        size_ = v.size();
    }
    // `size` bytes at `data`, which `keeper` keeps valid.
    Bytes(std::shared_ptr<const void> keeper, const uint8_t* data, size_t size)
        : keeper_(std::move(keeper)), data_(data), size_(size) {}

    const uint8_t* data() const { return data_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const uint8_t* begin() const { return data_; }
    const uint8_t* end() const { return data_ + size_; }
    uint8_t operator[](size_t i) const { return data_[i]; }
    uint8_t at(size_t i) const {
        if (i >= size_) throw std::out_of_range("Bytes::at");
        return data_[i];
    }
    std::span<const uint8_t> span() const { return {data_, size_}; }
    operator std::span<const uint8_t>() const { return span(); }  // NOLINT: implicit on purpose

    // `count` bytes from `offset` of these, sharing the buffer; the caller
    // has checked the range.
    Bytes slice(size_t offset, size_t count) const { return {keeper_, data_ + offset, count}; }
    std::vector<uint8_t> toVector() const { return {begin(), end()}; }
    void clear() { *this = Bytes(); }

    friend bool operator==(const Bytes& a, const Bytes& b) { return std::ranges::equal(a.span(), b.span()); }

private:
    std::shared_ptr<const void> keeper_;
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

}  // namespace kvarnel::layout
