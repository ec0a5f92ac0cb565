#include "server/app/services_server.h"

#include <httplib.h>

#include "online/protocol/service_paths.h"
#include "server/account/account_service.h"
#include "server/files/files_service.h"

namespace tavik::server {

namespace paths = online::paths;

struct ServicesServer::Impl {
    ServerOptions options;
    std::unique_ptr<Storage> storage;
    AccountService account;
    FilesService files;
    httplib::Server http;

    Impl(const ServerOptions& o, std::unique_ptr<Storage> s)
        : options(o), storage(std::move(s)), account(*storage), files(o.files) {}
};

namespace {

void send(httplib::Response& res, const Reply& reply) {
    res.status = reply.status;
    res.set_content(reply.body, reply.contentType.c_str());
}

}  // namespace

ServicesServer::ServicesServer(const ServerOptions& options, std::unique_ptr<Storage> storage)
    : impl_(std::make_unique<Impl>(options, std::move(storage))) {
    Impl& s = *impl_;
    const int threads = options.threads;
    s.http.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    s.http.set_tcp_nodelay(true);
    s.http.set_payload_max_length(64 * 1024);
    s.http.set_read_timeout(10, 0);
    s.http.set_write_timeout(10, 0);
    s.http.set_keep_alive_timeout(5);
    s.http.set_exception_handler(
        [](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
            send(res, ServiceFailure("internal error"));
        });

    s.http.Post(std::string("/") + std::string(paths::kAccount),
                [&s](const httplib::Request& req, httplib::Response& res) {
                    send(res, s.account.handle(req.body));
                });
    s.http.Get(std::string("/") + std::string(paths::kPhotos) + R"(([^/]+)\.jpg)",
               [&s](const httplib::Request& req, httplib::Response& res) {
                   send(res, s.files.photo(req.matches[1]));
               });
    s.http.Get(std::string("/") + std::string(paths::kConfig),
               [&s](const httplib::Request&, httplib::Response& res) {
                   send(res, s.files.remoteConfig());
               });
    s.http.Get(
        std::string("/") + std::string(paths::kNews),
        [&s](const httplib::Request&, httplib::Response& res) { send(res, s.files.news()); });
    s.http.Get(std::string("/") + std::string(paths::kOutsideAddress),
               [](const httplib::Request& req, httplib::Response& res) {
                   send(res,
                        OutsideAddress(req.remote_addr, req.get_header_value("X-Forwarded-For"),
                                       req.get_header_value("X-Real-IP")));
               });
    s.http.Get(std::string("/") + std::string(paths::kPlugins) + R"(([^/]+))",
               [&s](const httplib::Request& req, httplib::Response& res) {
                   send(res, s.files.download(req.matches[1]));
               });
}

ServicesServer::~ServicesServer() = default;

int ServicesServer::bind() {
    const ServerOptions& o = impl_->options;
    if (o.port == 0) return impl_->http.bind_to_any_port(o.host.c_str());
    return impl_->http.bind_to_port(o.host.c_str(), o.port) ? o.port : -1;
}

bool ServicesServer::serve() {
    return impl_->http.listen_after_bind();
}

void ServicesServer::stop() {
    impl_->http.stop();
}

}  // namespace tavik::server
