#pragma once

#include <string>
#include <string_view>

namespace vantrel::test {

// A valid MP3 file of silent MPEG-1 Layer III frames behind an ID3v2.4 tag carrying title
// (UTF-8), so that every chapter of a fixture book has distinct, playable bytes.
std::string SilentMp3(std::string_view title, double seconds);

}  // namespace vantrel::test
