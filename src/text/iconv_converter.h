#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace vantrel {

// Owns one iconv conversion descriptor.
class IconvConverter {
public:
    IconvConverter(const char* toEncoding, const char* fromEncoding);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool valid() const;

    // Converts input, appending to output and consuming input as it goes. Returns false
    // when it stops in front of a sequence it cannot convert (invalid in the source, not
    // representable in the target, or cut off at the end); input then begins with it.
    bool Convert(std::string_view& input, std::string& output);

private:
    iconv_t descriptor_;
};

}  // namespace vantrel
