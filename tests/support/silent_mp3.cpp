#include "support/silent_mp3.h"

#include <cstdint>

namespace vantrel::test {

namespace {

// MPEG-1 Layer III, no CRC, 128 kbit/s, 44.1 kHz, no padding, mono: 417 bytes a frame,
// 1152 samples. All-zero side information and main data decode as silence.
constexpr unsigned char kFrameHeader[] = {0xFF, 0xFB, 0x90, 0xC0};
constexpr int kFrameBytes = 417;
constexpr double kFramesPerSecond = 44100.0 / 1152.0;

std::string SyncSafe(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 3; i >= 0; --i, value >>= 7) bytes[i] = static_cast<char>(value & 0x7F);
    return bytes;
}

std::string Id3Tag(std::string_view title) {
    std::string frame = "TIT2" + SyncSafe(static_cast<std::uint32_t>(title.size() + 1));
    frame += std::string("\0\0\3", 3);  // no flags, UTF-8 text
    frame += title;
    return std::string("ID3\4\0\0", 6) + SyncSafe(static_cast<std::uint32_t>(frame.size())) + frame;
}

}  // namespace

std::string SilentMp3(std::string_view title, double seconds) {
    const int frames = static_cast<int>(seconds * kFramesPerSecond) + 1;
    std::string frame(kFrameBytes, '\0');
    frame.replace(0, sizeof kFrameHeader, reinterpret_cast<const char*>(kFrameHeader),
                  sizeof kFrameHeader);
    std::string mp3 = Id3Tag(title);
    mp3.reserve(mp3.size() + static_cast<std::size_t>(frames) * kFrameBytes);
    for (int i = 0; i < frames; ++i) mp3 += frame;
    return mp3;
}

}  // namespace vantrel::test
