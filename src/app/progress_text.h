#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "workflow/book_view.h"

namespace vantrel {

// What the progress dialog says about one moment of an activity.
struct ProgressLines {
    QString title{};    // the activity: 查询 or 下载
    QString step{};     // what it is fetching, and for a download which chapter of how many
    QString chapter{};  // the chapter's number and name; empty for the query
    QString transfer{};
    QString rate{};
    int permille = -1;  // of the current transfer; -1 while its size is unknown
};

ProgressLines DescribeProgress(const ActivityProgress& progress,
                               std::optional<double> bytesPerSecond);

// "0 B", "1023 B", "1.5 KB", "12.0 MB": binary multiples, as download tools count them.
QString ByteCountText(std::int64_t bytes);
// Whole seconds, rounded up so that the count never shows 0:00 while bytes are missing:
// "0:07", "1:00:05"; "—" when unknown or beyond a hundred hours.
QString DurationText(std::optional<double> seconds);

// When the transfer will be done at this speed; empty when its size or the speed is
// unknown.
std::optional<double> SecondsLeft(const TransferProgress& transfer,
                                  std::optional<double> bytesPerSecond);

}  // namespace vantrel
