#include "text/iconv_converter.h"

#include <cerrno>

namespace vantrel {

namespace {
const iconv_t kInvalidDescriptor = reinterpret_cast<iconv_t>(-1);
}

IconvConverter::IconvConverter(const char* toEncoding, const char* fromEncoding)
    : descriptor_(iconv_open(toEncoding, fromEncoding)) {}

IconvConverter::~IconvConverter() {
    if (valid()) iconv_close(descriptor_);
}

bool IconvConverter::valid() const { return descriptor_ != kInvalidDescriptor; }

bool IconvConverter::Convert(std::string_view& input, std::string& output) {
    while (!input.empty()) {
        const std::size_t used = output.size();
        // Four output bytes per input byte covers every pair of encodings used here.
        output.resize(used + input.size() * 4 + 16);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output.data() + used;
        std::size_t outLeft = output.size() - used;
        const std::size_t result = iconv(descriptor_, &in, &inLeft, &out, &outLeft);
        const int error = errno;
        output.resize(output.size() - outLeft);
        input.remove_prefix(input.size() - inLeft);
        if (result != static_cast<std::size_t>(-1)) return true;
        if (error != E2BIG) return false;
    }
    return true;
}

}  // namespace vantrel
