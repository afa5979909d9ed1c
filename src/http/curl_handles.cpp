#include "http/curl_handles.h"

#include "text/runtime_error.h"

namespace vantrel {

void CurlHeaderList::Append(const std::string& line) {
    curl_slist* const grown = curl_slist_append(list_.get(), line.c_str());
    if (!grown) ReportAllocationFailure(line.size() + 1);
    (void)list_.release();  // curl_slist_append returns the same head once a list exists
    list_.reset(grown);
}

}  // namespace vantrel
