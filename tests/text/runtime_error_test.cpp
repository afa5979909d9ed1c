#include "text/runtime_error.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "support/text_literals.h"
#include "text/text_list.h"

namespace vantrel {
namespace {

using test::G;
using test::T;

TEST(RuntimeErrorReport, LaysOutHeadingCodeAndMessage) {
    EXPECT_EQ(
        RuntimeErrorReport(4, G("数组成员引用下标必须大于等于1")),
        G("运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n"));
    EXPECT_EQ(RuntimeErrorReport(std::nullopt, G("载入启动窗口失败")),
              G("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"));
    EXPECT_EQ(RuntimeErrorReport(std::nullopt, Text()), G("运行时出错!\r\n\r\n"));
}

TEST(TextList, ReadsItemsFromOne) {
    TextList list;
    list.Append(T("a"));
    list.Append(Text());
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(1), T("a"));
    EXPECT_EQ(list.Item(2), Text());
}

void ExitRoutineThatMustNotRun() { std::fputs("exit routine ran", stderr); }

TEST(TextListDeathTest, BadIndexEndsTheProcessWithoutExitRoutines) {
    TextList list;
    list.Append(T("a"));
    const auto readItem = [&list](int index) {
        std::atexit(ExitRoutineThatMustNotRun);
        (void)list.Item(index);
    };
    EXPECT_EXIT(readItem(0), testing::ExitedWithCode(255),
                "错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1");
    EXPECT_EXIT(readItem(2), testing::ExitedWithCode(255),
                "错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围");
    EXPECT_EXIT(readItem(2), testing::ExitedWithCode(255), "^[^x]*$");
}

TEST(AllocationFailureDeathTest, ReportsTheSizeThatFailed) {
    const auto allocateTooMuch = [] {
        volatile std::size_t bytes = std::size_t{1} << 62;
        char* volatile block = new char[bytes];
        std::printf("%p", static_cast<void*>(block));
    };
    EXPECT_EXIT(allocateTooMuch(), testing::ExitedWithCode(255),
                "分配 4611686018427387904 字节内存失败!");
}

}  // namespace
}  // namespace vantrel
