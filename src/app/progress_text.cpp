#include "app/progress_text.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "app/qt_text.h"

namespace vantrel {

namespace {

const QString kUnknown = QStringLiteral("—");

QString StepText(const ActivityProgress& progress) {
    using Stage = ActivityProgress::Stage;
    if (progress.stage == Stage::kCataloguePage) return QStringLiteral("正在获取目录页…");
    const QString fetching = progress.stage == Stage::kPlayPage ? QStringLiteral("正在获取播放页…")
                                                                : QStringLiteral("正在下载音频…");
    return QStringLiteral("第 %1 / %2 章 · %3")
        .arg(progress.chapterOrdinal)
        .arg(progress.chapterCount)
        .arg(fetching);
}

QString ChapterText(const ActivityProgress& progress) {
    if (progress.stage == ActivityProgress::Stage::kCataloguePage) return QString();
    return QStringLiteral("第 %1 章「%2」")
        .arg(progress.chapterNumber)
        .arg(TextToQString(progress.chapterName));
}

QString TransferText(const TransferProgress& transfer, std::optional<double> bytesPerSecond) {
    QString text = ByteCountText(transfer.received);
    if (transfer.total >= 0) text += QStringLiteral(" / ") + ByteCountText(transfer.total);
    return text + QStringLiteral(" · 剩余 ") + DurationText(SecondsLeft(transfer, bytesPerSecond));
}

QString RateText(std::optional<double> bytesPerSecond) {
    const QString speed = bytesPerSecond
                              ? ByteCountText(std::llround(*bytesPerSecond)) + QStringLiteral("/s")
                              : kUnknown;
    return QStringLiteral("速度 ") + speed;
}

int Permille(const TransferProgress& transfer) {
    if (transfer.total <= 0) return -1;
    const std::int64_t received = std::clamp<std::int64_t>(transfer.received, 0, transfer.total);
    // In floating point: received * 1000 overflows long before a file is that large.
    return static_cast<int>(1000.0 * static_cast<double>(received) /
                            static_cast<double>(transfer.total));
}

}  // namespace

ProgressLines DescribeProgress(const ActivityProgress& progress,
                               std::optional<double> bytesPerSecond) {
    const bool query = progress.stage == ActivityProgress::Stage::kCataloguePage;
    return ProgressLines{
        .title = query ? QStringLiteral("查询") : QStringLiteral("下载"),
        .step = StepText(progress),
        .chapter = ChapterText(progress),
        .transfer = TransferText(progress.transfer, bytesPerSecond),
        .rate = RateText(bytesPerSecond),
        .permille = Permille(progress.transfer),
    };
}

QString ByteCountText(std::int64_t bytes) {
    static const char* const kUnits[] = {"KB", "MB", "GB", "TB"};
    if (bytes < 1024) return QStringLiteral("%1 B").arg(bytes);
    double value = static_cast<double>(bytes) / 1024;
    std::size_t unit = 0;
    // 1023.96 KB would round to "1024.0 KB"; the next unit reads better.
    while (value >= 1023.95 && unit + 1 < std::size(kUnits)) {
        value /= 1024;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(value, 0, 'f', 1).arg(QLatin1String(kUnits[unit]));
}

QString DurationText(std::optional<double> seconds) {
    constexpr double kLongest = 100.0 * 3600;
    if (!seconds || !(*seconds >= 0) || *seconds >= kLongest) return kUnknown;
    const auto whole = static_cast<long long>(std::ceil(*seconds));
    const long long hours = whole / 3600;
    const QString minutesAndSeconds = QStringLiteral("%1:%2")
                                          .arg(whole / 60 % 60, hours > 0 ? 2 : 1, 10, QChar('0'))
                                          .arg(whole % 60, 2, 10, QChar('0'));
    return hours > 0 ? QStringLiteral("%1:").arg(hours) + minutesAndSeconds : minutesAndSeconds;
}

std::optional<double> SecondsLeft(const TransferProgress& transfer,
                                  std::optional<double> bytesPerSecond) {
    if (transfer.total < 0 || !bytesPerSecond || *bytesPerSecond <= 0) return std::nullopt;
    const std::int64_t missing = std::max<std::int64_t>(transfer.total - transfer.received, 0);
    return static_cast<double>(missing) / *bytesPerSecond;
}

}  // namespace vantrel
