#pragma once

#include <cstdint>

namespace vantrel {

// The program's integers are 32-bit and wrap modulo 2^32 instead of overflowing.
constexpr int WrappingAdd(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

constexpr int WrappingSub(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

}  // namespace vantrel
