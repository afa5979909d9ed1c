#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// A string in the site's code page (GBK, code page 936). It never holds a zero byte:
// constructing one from bytes keeps what comes before the first zero. An empty and a
// default-constructed Text are the same value.
class Text {
public:
    Text() = default;
    explicit Text(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}

    std::string_view view() const { return bytes_; }
    const std::string& str() const { return bytes_; }
    const char* c_str() const { return bytes_.c_str(); }
    bool empty() const { return bytes_.empty(); }
    int length() const { return static_cast<int>(bytes_.size()); }
    unsigned char byte(int offset) const { return static_cast<unsigned char>(bytes_[offset]); }

    Text& operator+=(const Text& tail) {
        bytes_ += tail.bytes_;
        return *this;
    }
    friend Text operator+(Text head, const Text& tail) { return head += tail; }
    friend bool operator==(const Text&, const Text&) = default;

private:
    std::string bytes_;
};

}  // namespace vantrel
