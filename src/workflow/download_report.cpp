#include "workflow/download_report.h"

#include <string>

#include "text/code_page.h"
#include "text/text_number.h"
#include "text/wrapping_int.h"

namespace vantrel {

void DownloadReport::Saved(int number, const Text& name) {
    saved_.push_back(Line{number, number, name, Text()});
}

void DownloadReport::Failed(int number, const Text& name, const Text& reason) {
    failed_.push_back(Line{number, number, name, reason});
    ++failedCount_;
}

void DownloadReport::NotListed(int firstNumber, int count) {
    if (count < 1) return;
    static const Text reason = Utf8ToText("列表中没有此章");
    failed_.push_back(Line{firstNumber, WrappingAdd(firstNumber, count - 1), Text(), reason});
    failedCount_ += count;
}

Text DownloadReport::Summary() const {
    if (!stopped_ && failedCount_ == 0) return Utf8ToText("下载完成");
    const std::string counts = "成功 " + std::to_string(saved_.size()) + " 章，失败 " +
                               std::to_string(failedCount_) + " 章";
    return Utf8ToText((stopped_ ? "下载已停止：" : "下载结束：") + counts);
}

Text DownloadReport::ClosingMessage() const {
    Text message = Summary();
    if (!stopped_ && failedCount_ == 0) return message;
    if (stopped_) {
        for (const Line& line : saved_) message += Text("\n") + Describe(line);
    }
    for (const Line& line : failed_) message += Text("\n") + Describe(line);
    return message;
}

// "第 k 章「name」：reason"; a run of unlisted chapters reads "第 a 至 b 章：reason", and a
// saved chapter has no reason.
Text DownloadReport::Describe(const Line& line) {
    Text text = Utf8ToText("第 ") + IntToText(line.number);
    if (line.lastNumber != line.number) text += Utf8ToText(" 至 ") + IntToText(line.lastNumber);
    text += Utf8ToText(" 章");
    if (!line.name.empty()) text += Utf8ToText("「") + line.name + Utf8ToText("」");
    if (!line.reason.empty()) text += Utf8ToText("：") + line.reason;
    return text;
}

}  // namespace vantrel
