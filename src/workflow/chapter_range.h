#pragma once

namespace vantrel {

// The chapters a download covers: first, first + 1, ..., end - 1, as the two chapter boxes
// are read. Numbers wrap at 32 bits like every integer of the program.
struct ChapterRange {
    int first = 0;
    int end = 0;
    int count = 0;  // no chapter when below 1
};

// Boxes that are empty or not positive fall back to chapters 1 to 9; an end below the first
// becomes first + 10.
ChapterRange SettleChapterRange(int first, int end);

// The passes of a range (counted from 1) whose list row exists: the row of chapter k is
// k - 1. The listed passes always form one run, since the rows a range visits are
// consecutive; empty when the range touches no row.
struct ListedPasses {
    int firstPass = 1;
    int lastPass = 0;

    bool empty() const { return lastPass < firstPass; }
};

ListedPasses PassesWithListRows(const ChapterRange& range, int rowCount);

}  // namespace vantrel
