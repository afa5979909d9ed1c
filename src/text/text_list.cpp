#include "text/text_list.h"

#include "text/code_page.h"
#include "text/runtime_error.h"

namespace vantrel {

const Text& TextList::Item(int index) const {
    if (index < 1) ReportRuntimeError(4, Utf8ToText("数组成员引用下标必须大于等于1"));
    if (index > Count()) ReportRuntimeError(1, Utf8ToText("数组成员引用下标超出定义范围"));
    return items_[index - 1];
}

}  // namespace vantrel
