#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// A counted sequence of bytes of any value, zero bytes included. Kept apart from Text so
// that a response body cannot be used as text without going through BytesToText.
class Bytes {
public:
    Bytes() = default;
    explicit Bytes(std::string_view data) : data_(data) {}

    std::string_view view() const { return data_; }
    const char* data() const { return data_.data(); }
    int length() const { return static_cast<int>(data_.size()); }
    bool empty() const { return data_.empty(); }

    void Append(std::string_view more) { data_.append(more); }
    void Reserve(std::size_t capacity) { data_.reserve(capacity); }

    friend bool operator==(const Bytes&, const Bytes&) = default;

private:
    std::string data_;
};

}  // namespace vantrel
