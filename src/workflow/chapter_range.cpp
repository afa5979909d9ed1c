#include "workflow/chapter_range.h"

#include <algorithm>
#include <cstdint>

#include "text/wrapping_int.h"

namespace vantrel {

namespace {

constexpr int kFallbackFirst = 1;
constexpr int kFallbackEnd = 10;
constexpr int kEndDistance = 10;

}  // namespace

ChapterRange SettleChapterRange(int first, int end) {
    if (first < 1 || end < 1) {
        first = kFallbackFirst;
        end = kFallbackEnd;
    } else if (first > end) {
        end = WrappingAdd(first, kEndDistance);
    }
    return ChapterRange{.first = first, .end = end, .count = WrappingSub(end, first)};
}

ListedPasses PassesWithListRows(const ChapterRange& range, int rowCount) {
    if (range.count < 1 || rowCount < 1) return ListedPasses{};
    // Pass i handles row first + i - 2 (wrapped). Work in offsets j = i - 1 from the row of
    // the first pass, on the 32-bit circle of row numbers.
    const auto passes = static_cast<std::uint32_t>(range.count);
    const auto rows = static_cast<std::uint32_t>(rowCount);
    const auto firstRow = static_cast<std::uint32_t>(WrappingSub(range.first, 1));
    std::uint32_t begin;  // offset of the first listed pass
    std::uint32_t end;    // offset one past the last listed pass
    if (firstRow < rows) {
        begin = 0;
        end = std::min(passes, rows - firstRow);
    } else {
        begin = 0u - firstRow;  // the offset at which the rows reach row 0
        if (begin >= passes) return ListedPasses{};
        end = begin + std::min(rows, passes - begin);
    }
    return ListedPasses{.firstPass = static_cast<int>(begin + 1),
                        .lastPass = static_cast<int>(end)};
}

}  // namespace vantrel
