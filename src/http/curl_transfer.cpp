#include "http/curl_transfer.h"

#include <chrono>
#include <cstdint>
#include <utility>

#include "http/http_timeouts.h"

namespace vantrel {
namespace {

using Clock = std::chrono::steady_clock;

struct TransferState {
    const BodySink& sink;
    Transfer* transfer;
    std::chrono::milliseconds stall;
    std::int64_t bytes = 0;
    curl_off_t moved = 0;  // bytes up and down so far, as curl counts them
    Clock::time_point lastMoved = Clock::now();
    bool cancelled = false;
    bool stalled = false;
};

size_t DeliverBody(char* data, size_t size, size_t count, void* userdata) {
    auto& state = *static_cast<TransferState*>(userdata);
    const size_t length = size * count;
    if (!state.sink(std::string_view(data, length))) return CURL_WRITEFUNC_ERROR;
    state.bytes += static_cast<std::int64_t>(length);
    return length;
}

// Checked here rather than with curl's low-speed limit, which averages over several
// seconds: a transfer is abandoned once no byte has moved for the whole stall time.
bool HasStalled(TransferState& state, curl_off_t moved) {
    const Clock::time_point now = Clock::now();
    if (moved != state.moved) {
        state.moved = moved;
        state.lastMoved = now;
        return false;
    }
    return now - state.lastMoved >= state.stall;
}

int ReportProgress(void* userdata, curl_off_t downloadTotal, curl_off_t downloaded, curl_off_t,
                   curl_off_t uploaded) {
    auto& state = *static_cast<TransferState*>(userdata);
    if (HasStalled(state, downloaded + uploaded)) {
        state.stalled = true;
        return 1;
    }
    if (!state.transfer || !state.transfer->onProgress) return 0;
    const TransferProgress progress{state.bytes, downloadTotal > 0 ? downloadTotal : -1};
    if (state.transfer->onProgress(progress)) return 0;
    state.cancelled = true;
    return 1;
}

void ApplySharedOptions(CURL* handle, TransferState& state, char* errorBuffer) {
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(CurrentHttpTimeouts().connect.count()));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, DeliverBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &state);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, ReportProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &state);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);
}

std::string ErrorText(CURLcode code, const TransferState& state, const char* errorBuffer) {
    if (state.stalled) {
        return "No data received for " + std::to_string(state.stall.count()) + " ms";
    }
    return *errorBuffer ? errorBuffer : curl_easy_strerror(code);
}

void RecordOutcome(CURL* handle, CURLcode code, const TransferState& state, const char* errorBuffer,
                   TransferResult& result) {
    result = TransferResult();
    if (code != CURLE_OK) result.error = ErrorText(code, state, errorBuffer);
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
    TransferState state{sink, transfer, CurrentHttpTimeouts().stall};
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
