#pragma once

#include <string_view>

namespace vantrel {

// Tells from the first bytes of a body whether it is plainly a web page rather than audio:
// a site that has lost a file answers with an HTML page, often with status 200. Audio never
// begins with "<" after optional white space.
class AudioSniffer {
public:
    // Feeds the next chunk; false once the body has shown itself to be markup.
    bool Accept(std::string_view chunk);
    bool isMarkup() const { return markup_; }

private:
    bool decided_ = false;
    bool markup_ = false;
};

}  // namespace vantrel
