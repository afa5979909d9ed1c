#include "workflow/audio_sniffer.h"

namespace vantrel {

bool AudioSniffer::Accept(std::string_view chunk) {
    if (!decided_) {
        const auto first = chunk.find_first_not_of(" \t\r\n");
        if (first != std::string_view::npos) {
            decided_ = true;
            markup_ = chunk[first] == '<';
        }
    }
    return !markup_;
}

}  // namespace vantrel
