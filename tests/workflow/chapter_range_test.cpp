#include "workflow/chapter_range.h"

#include <gtest/gtest.h>

#include <climits>

namespace vantrel {
namespace {

TEST(SettleChapterRange, AppliesFallbackAndCorrection) {
    const struct {
        int first, end;
        int settledFirst, settledEnd, count;
    } cases[] = {
        {200, 210, 200, 210, 10},
        {5, 5, 5, 5, 0},
        {12, 3, 12, 22, 10},
        {0, 7, 1, 10, 9},
        {7, 0, 1, 10, 9},
        {-5, 7, 1, 10, 9},
        {3, 1, 3, 13, 10},
        {1, INT_MAX, 1, INT_MAX, INT_MAX - 1},
        // first + 10 wraps, and so the end - first still counts ten chapters
        {INT_MAX - 2, 1, INT_MAX - 2, INT_MIN + 7, 10},
    };
    for (const auto& c : cases) {
        const ChapterRange range = SettleChapterRange(c.first, c.end);
        EXPECT_EQ(range.first, c.settledFirst) << c.first << ".." << c.end;
        EXPECT_EQ(range.end, c.settledEnd) << c.first << ".." << c.end;
        EXPECT_EQ(range.count, c.count) << c.first << ".." << c.end;
    }
}

TEST(PassesWithListRows, KeepsOnlyPassesWhoseRowExists) {
    const struct {
        int first, end, rows;
        int firstPass, lastPass;  // lastPass < firstPass: none
    } cases[] = {
        {200, 210, 300, 1, 10},      // every chapter listed
        {200, 210, 205, 1, 6},       // chapters 206..209 have no row
        {200, 210, 100, 1, 0},       // the range lies beyond the list
        {1, 10, 0, 1, 0},            // no query yet
        {5, 5, 10, 1, 0},            // no pass at all
        {1, INT_MAX, 3, 1, 3},       // a huge end costs three passes, not two billion
        {INT_MAX - 2, 1, 50, 1, 0},  // rows wrap to negative numbers, never reaching row 0
    };
    for (const auto& c : cases) {
        const ListedPasses passes = PassesWithListRows(SettleChapterRange(c.first, c.end), c.rows);
        if (c.lastPass < c.firstPass) {
            EXPECT_TRUE(passes.empty()) << c.first << ".." << c.end << " rows " << c.rows;
        } else {
            EXPECT_EQ(passes.firstPass, c.firstPass) << c.first << ".." << c.end;
            EXPECT_EQ(passes.lastPass, c.lastPass) << c.first << ".." << c.end;
        }
    }
}

}  // namespace
}  // namespace vantrel
