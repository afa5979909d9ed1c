#include "http/curl_transfer.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <utility>

#include "http/http_timeouts.h"

namespace vantrel {
namespace {

struct TransferState {
    const BodySink& sink;
    Transfer* transfer;
    std::int64_t bytes = 0;
    bool cancelled = false;
};

size_t DeliverBody(char* data, size_t size, size_t count, void* userdata) {
    auto& state = *static_cast<TransferState*>(userdata);
    const size_t length = size * count;
    if (!state.sink(std::string_view(data, length))) return CURL_WRITEFUNC_ERROR;
    state.bytes += static_cast<std::int64_t>(length);
    return length;
}

int ReportProgress(void* userdata, curl_off_t downloadTotal, curl_off_t, curl_off_t, curl_off_t) {
    auto& state = *static_cast<TransferState*>(userdata);
    if (!state.transfer || !state.transfer->onProgress) return 0;
    const TransferProgress progress{state.bytes, downloadTotal > 0 ? downloadTotal : -1};
    if (state.transfer->onProgress(progress)) return 0;
    state.cancelled = true;
    return 1;
}

// curl counts the stall in whole seconds; a shortened stall still waits at least one.
long StallSeconds(std::chrono::milliseconds stall) {
    const auto seconds = std::chrono::ceil<std::chrono::seconds>(stall).count();
    return static_cast<long>(std::max<decltype(seconds)>(seconds, 1));
}

void ApplySharedOptions(CURL* handle, TransferState& state, char* errorBuffer) {
    const HttpTimeouts timeouts = CurrentHttpTimeouts();
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(timeouts.connect.count()));
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, StallSeconds(timeouts.stall));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, DeliverBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &state);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, ReportProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &state);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);
}

void RecordOutcome(CURL* handle, CURLcode code, const TransferState& state, const char* errorBuffer,
                   TransferResult& result) {
    result = TransferResult();
    if (code != CURLE_OK) result.error = *errorBuffer ? errorBuffer : curl_easy_strerror(code);
    result.cancelled = state.cancelled;
    result.bytes = state.bytes;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &result.status);
    const char* contentType = nullptr;
    curl_easy_getinfo(handle, CURLINFO_CONTENT_TYPE, &contentType);
    if (contentType) result.contentType = contentType;
}

}  // namespace

CURLcode PerformTransfer(CURL* handle, const BodySink& sink, Transfer* transfer) {
    if (!handle) {
        RecordFailure(transfer, "libcurl could not create a handle");
        return CURLE_FAILED_INIT;
    }
    TransferState state{sink, transfer};
    char errorBuffer[CURL_ERROR_SIZE] = "";
    ApplySharedOptions(handle, state, errorBuffer);
    const CURLcode code = curl_easy_perform(handle);
    if (transfer) RecordOutcome(handle, code, state, errorBuffer, transfer->result);
    // The buffer and the state die with this frame; the handle lives on for the run.
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, nullptr);
    return code;
}

void RecordFailure(Transfer* transfer, std::string error) {
    if (!transfer) return;
    transfer->result = TransferResult();
    transfer->result.error = std::move(error);
}

}  // namespace vantrel
