#pragma once

#include <cstdint>
#include <vector>

#include "text/text.h"

namespace vantrel {

// What became of each chapter of one download, and the words the user reads at the end.
class DownloadReport {
public:
    void Saved(int number, const Text& name);
    void Failed(int number, const Text& name, const Text& reason);
    // count chapters from firstNumber on that have no row in the list.
    void NotListed(int firstNumber, int count);
    void Stopped() { stopped_ = true; }

    // "下载完成" when every chapter of the range was saved; otherwise the counts, then one
    // line per failed chapter (and, when the user stopped, per saved chapter).
    Text ClosingMessage() const;
    // The first line of the closing message, for the status line.
    Text Summary() const;

private:
    struct Line {
        int number;
        int lastNumber;  // the same as number, or the end of a run of unlisted chapters
        Text name;
        Text reason;
    };
    static Text Describe(const Line& line);

    std::vector<Line> saved_;
    std::vector<Line> failed_;
    std::int64_t failedCount_ = 0;
    bool stopped_ = false;
};

}  // namespace vantrel
