#include "world_server.hpp"

#include <httplib.h>
#include <sys/socket.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <stdexcept>

#include "connection_threads.hpp"
#include "content_types.hpp"
#include "file_reply.hpp"

namespace atrium_serve {
namespace {

constexpr const char* kLoopback = "127.0.0.1";

// The threads serving connections at most; beyond them connections wait for a free one.
constexpr std::size_t kMaxConnectionThreads = 128;
// How long a connection may stay silent in the middle of a request, or idle between requests.
constexpr std::chrono::seconds kReadTimeout{3};
// Connections the kernel completes before the server accepts them. httplib listens with room
// for 5; a browser opening a page's connections at once would see the rest wait a second for a
// retry.
constexpr int kBacklog = 128;
// The server takes no request bodies; a larger one is refused (413) before it is read.
constexpr std::size_t kMaxBody = 64 * 1024;

// A page on a loopback server may only be asked for by a loopback name and the served port: a
// foreign host name here is another site's page reaching in through a name that resolves to
// 127.0.0.1. Exactly one Host header, naming the host exactly (case aside).
bool IsLoopbackHost(const httplib::Request& req, int port) {
    if (req.get_header_value_count("Host") != 1) return false;
    std::string host = req.get_header_value("Host");
    std::transform(host.begin(), host.end(), host.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::string served = ":" + std::to_string(port);
    return host == kLoopback + served || host == "localhost" + served || host == "[::1]" + served;
}

void NotFound(httplib::Response& res) {
    res.status = 404;
    res.set_content("Not found\n", "text/plain; charset=utf-8");
}

}  // namespace

std::string JsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string PercentEncoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out;
}

WorldServer::WorldServer(ServedFolders folders)
    : folders_(std::move(folders)), server_(std::make_unique<httplib::Server>()) {
    server_->new_task_queue = [] { return new ConnectionThreads(kMaxConnectionThreads); };
    server_->set_read_timeout(kReadTimeout);
    server_->set_keep_alive_timeout(kReadTimeout.count());
    server_->set_payload_max_length(kMaxBody);
    server_->set_socket_options([this](socket_t socket) {
        httplib::default_socket_options(socket);
        listening_ = socket;
    });
    server_->set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        DropRanges(req);
        if (IsLoopbackHost(req, port_)) return httplib::Server::HandlerResponse::Unhandled;
        res.status = 403;
        res.set_content("Forbidden\n", "text/plain; charset=utf-8");
        return httplib::Server::HandlerResponse::Handled;
    });
    server_->Get("/worlds.json", [this](const httplib::Request&, httplib::Response& res) {
        std::string list = "[";
        for (const std::string& world : folders_.Worlds())
            list += (list.size() > 1 ? "," : "") + JsonString(world);
        res.set_content(list + "]\n", "application/json");
        res.set_header("Cache-Control", "no-cache");
    });
    server_->Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
        auto file = folders_.Resolve(req.path);
        if (!file || !ReplyWithFile(req, res, *file, std::string(ContentType(*file)))) return NotFound(res);
        res.set_header("Cache-Control", "no-cache");
    });
}

WorldServer::~WorldServer() { Stop(); }

void WorldServer::Start() {
    if (thread_.joinable()) return;
    port_ = server_->bind_to_any_port(kLoopback);
    if (port_ <= 0) throw std::runtime_error("cannot listen on 127.0.0.1");
    ::listen(listening_, kBacklog);  // listening again only changes the backlog
    // Stop() only reaches a server that is already listening, so wait for that (or its end).
    thread_ = std::thread([this] {
        server_->listen_after_bind();
        ended_ = true;
    });
    while (!server_->is_running() && !ended_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void WorldServer::Stop() {
    if (!thread_.joinable()) return;
    server_->stop();
    thread_.join();
}

std::string WorldServer::ViewerAddress(std::string_view world) const {
    std::string address = "http://" + std::string(kLoopback) + ":" + std::to_string(port_) + "/index.html";
    if (!world.empty()) address += "?world=" + PercentEncoded(world);
    return address;
}

}  // namespace atrium_serve
