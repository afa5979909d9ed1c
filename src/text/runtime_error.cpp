#include "text/runtime_error.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "text/code_page.h"
#include "text/text_number.h"

namespace vantrel {

namespace {

void WriteToStandardError(const Text& report) {
    const std::string utf8 = TextToUtf8(report);
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

RuntimeErrorPresenter gPresenter = WriteToStandardError;

}  // namespace

void SetRuntimeErrorPresenter(RuntimeErrorPresenter presenter) {
    gPresenter = presenter ? presenter : WriteToStandardError;
}

Text RuntimeErrorReport(std::optional<int> code, const Text& message) {
    const Text blankLine("\r\n\r\n");
    Text report = Utf8ToText("运行时出错!") + blankLine;
    if (code) report += Utf8ToText("错误代码：") + IntToText(*code) + blankLine;
    if (!message.empty()) report += Utf8ToText("错误信息：") + message + Text("\r\n");
    return report;
}

void ReportRuntimeError(std::optional<int> code, const Text& message) {
    gPresenter(RuntimeErrorReport(code, message));
    std::_Exit(-1);
}

void ReportAllocationFailure(std::size_t bytes) {
    // Only the one large request failed; the few small blocks the report needs are still
    // there in practice.
    char message[64];
    std::snprintf(message, sizeof message, "%zu", bytes);
    ReportRuntimeError(std::nullopt,
                       Utf8ToText("分配 ") + Text(message) + Utf8ToText(" 字节内存失败!"));
}

}  // namespace vantrel
