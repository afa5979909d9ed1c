#include "support/test_http_server.h"

#include <atomic>
#include <exception>
#include <list>
#include <mutex>
#include <thread>
#include <utility>

#include "support/socket_listener.h"
#include "support/socket_stop_signal.h"
#include "support/socket_stream.h"
#include "support/test_http_connection.h"
#include "support/tls_server_context.h"
#include "support/tls_socket_stream.h"

namespace vantrel::test {

namespace {

Response StatusOnly(int status, std::string reason, std::string body = {}) {
    Response response;
    response.status = status;
    response.reason = std::move(reason);
    response.body = std::move(body);
    return response;
}

}  // namespace

struct TestHttpServer::Impl {
    explicit Impl(Scheme scheme);
    ~Impl();

    void AcceptConnections();
    void JoinFinishedWorkers();
    void Serve(UniqueFd socket, int connection);
    std::unique_ptr<SocketStream> OpenStream(UniqueFd socket) const;
    void Record(const RecordedRequest& request);
    Response Answer(const RecordedRequest& request) const;

    struct Worker {
        std::thread thread;
        std::atomic<bool> finished = false;
    };

    const Scheme scheme;
    const SslCtxPtr tlsContext;
    StopSignal stop;
    const LoopbackListener listener;
    std::atomic<int> connectionCount = 0;

    mutable std::mutex mutex;
    Handler handler;                        // guarded by mutex
    std::vector<RecordedRequest> requests;  // guarded by mutex

    std::list<Worker> workers;  // touched only by the accepting thread while it runs
    std::thread acceptor;       // last, so it starts once everything it uses exists
};

TestHttpServer::Impl::Impl(Scheme scheme)
    : scheme(scheme),
      tlsContext(scheme == Scheme::kHttps ? MakeTlsServerContext() : nullptr),
      acceptor([this] { AcceptConnections(); }) {}

TestHttpServer::Impl::~Impl() {
    stop.Raise();
    acceptor.join();
    for (Worker& worker : workers) worker.thread.join();
}

void TestHttpServer::Impl::AcceptConnections() {
    while (UniqueFd socket = listener.Accept(stop)) {
        JoinFinishedWorkers();
        const int connection = ++connectionCount;
        Worker& worker = workers.emplace_back();
        worker.thread =
            std::thread([this, &worker, connection, socket = std::move(socket)]() mutable {
                Serve(std::move(socket), connection);
                worker.finished = true;
            });
    }
}

// Keeps a server that serves thousands of short connections from holding as many dead threads.
void TestHttpServer::Impl::JoinFinishedWorkers() {
    for (auto worker = workers.begin(); worker != workers.end();) {
        if (worker->finished) {
            worker->thread.join();
            worker = workers.erase(worker);
        } else {
            ++worker;
        }
    }
}

void TestHttpServer::Impl::Serve(UniqueFd socket, int connection) {
    const auto stream = OpenStream(std::move(socket));
    if (!stream) return;
    ServeConnection(
        *stream, connection, [this](const RecordedRequest& request) { Record(request); },
        [this](const RecordedRequest& request) { return Answer(request); });
}

std::unique_ptr<SocketStream> TestHttpServer::Impl::OpenStream(UniqueFd socket) const {
    if (!tlsContext) return std::make_unique<PlainSocketStream>(std::move(socket), stop);
    auto stream = std::make_unique<TlsSocketStream>(std::move(socket), stop, tlsContext.get());
    if (!stream->Handshake()) return nullptr;
    return stream;
}

void TestHttpServer::Impl::Record(const RecordedRequest& request) {
    const std::lock_guard lock(mutex);
    requests.push_back(request);
}

// A handler that throws answers 500 with the reason, so the test sees the failure instead of
// the whole program ending.
Response TestHttpServer::Impl::Answer(const RecordedRequest& request) const {
    Handler current;
    {
        const std::lock_guard lock(mutex);
        current = handler;
    }
    if (!current) return StatusOnly(404, "Not Found");
    try {
        return current(request);
    } catch (const std::exception& error) {
        return StatusOnly(500, "Internal Server Error", error.what());
    }
}

TestHttpServer::TestHttpServer(Scheme scheme) : impl_(std::make_unique<Impl>(scheme)) {}

TestHttpServer::~TestHttpServer() = default;

void TestHttpServer::SetHandler(Handler handler) {
    const std::lock_guard lock(impl_->mutex);
    impl_->handler = std::move(handler);
}

int TestHttpServer::port() const { return impl_->listener.port(); }

std::string TestHttpServer::hostPort() const { return "127.0.0.1:" + std::to_string(port()); }

std::string TestHttpServer::Url(std::string_view path) const {
    const char* scheme = impl_->scheme == Scheme::kHttps ? "https://" : "http://";
    return scheme + hostPort() + std::string(path);
}

std::vector<RecordedRequest> TestHttpServer::Requests() const {
    const std::lock_guard lock(impl_->mutex);
    return impl_->requests;
}

int TestHttpServer::ConnectionCount() const { return impl_->connectionCount; }

int UnusedPort() { return BoundPort(BindLoopbackSocket().get()); }

}  // namespace vantrel::test
