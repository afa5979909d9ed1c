#pragma once

#include <vector>

#include "text/text.h"

namespace vantrel {

// An ordered list of Text items numbered from 1. Reading outside 1..Count() is a program
// error and ends the process through ReportRuntimeError.
class TextList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const Text& Item(int index) const;
    void Append(Text item) { items_.push_back(std::move(item)); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<Text> items_;
};

}  // namespace vantrel
