#include "world_server.hpp"

#include <httplib.h>

#include <cctype>
#include <chrono>
#include <fstream>
#include <stdexcept>

#include "content_types.hpp"

namespace atrium_serve {
namespace {

constexpr const char* kLoopback = "127.0.0.1";

// A page on a loopback server may only be asked for by a loopback name: a foreign host name
// here is another site's page reaching in through a name that resolves to 127.0.0.1.
bool IsLoopbackHost(const std::string& host) {
    std::string_view name = host;
    if (name.starts_with('[')) {
        name = name.substr(0, name.find(']') + 1);
    } else if (auto colon = name.find(':'); colon != std::string_view::npos) {
        name = name.substr(0, colon);
    }
    return name.empty() || name == kLoopback || name == "localhost" || name == "[::1]";
}

std::optional<std::string> ReadFile(const std::filesystem::path& file) {
    std::error_code ec;
    auto size = std::filesystem::file_size(file, ec);
    if (ec) return std::nullopt;
    std::string data(size, '\0');
    std::ifstream in(file, std::ios::binary);
    if (!in.read(data.data(), static_cast<std::streamsize>(size))) return std::nullopt;
    return data;
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
    server_->set_pre_routing_handler([](const httplib::Request& req, httplib::Response& res) {
        if (IsLoopbackHost(req.get_header_value("Host"))) return httplib::Server::HandlerResponse::Unhandled;
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
        std::optional<std::string> data = file ? ReadFile(*file) : std::nullopt;
        if (!data) return NotFound(res);
        res.set_content(std::move(*data), std::string(ContentType(*file)));
        res.set_header("Cache-Control", "no-cache");
    });
}

WorldServer::~WorldServer() { Stop(); }

void WorldServer::Start() {
    if (thread_.joinable()) return;
    port_ = server_->bind_to_any_port(kLoopback);
    if (port_ <= 0) throw std::runtime_error("cannot listen on 127.0.0.1");
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
