// The world server under hostile requests, over raw sockets: many byte ranges cost no more
// than the file once, only the loopback names with the served port pass the Host check, large
// request bodies are refused, and connections that trickle half a request keep no one else waiting.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <thread>
#include <vector>

#include "world_server.hpp"

namespace fs = std::filesystem;
using namespace atrium_serve;

namespace {

constexpr int kLimitSeconds = 60;  // what any one reply may take, on the slowest machine
constexpr std::size_t kSize = 1 << 20;

// A connected socket to 127.0.0.1:port, closed when it goes.
class Connection {
public:
    explicit Connection(int port) : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        timeval limit{kLimitSeconds, 0};
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~Connection() { ::close(fd_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool Send(std::string_view text) {
        return connected_ && ::send(fd_, text.data(), text.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(text.size());
    }
    // Everything the server sends until it closes the connection (or the limit passes).
    std::string ReadToEnd() {
        std::string all;
        char buffer[65536];
        ssize_t got;
        while ((got = ::recv(fd_, buffer, sizeof buffer, 0)) > 0) all.append(buffer, static_cast<std::size_t>(got));
        return all;
    }

private:
    int fd_;
    bool connected_ = false;
};

struct Reply {
    int status = 0;
    std::string head;  // the status line and headers, lower-cased
    std::string body;
};

Reply Parse(const std::string& raw) {
    Reply reply;
    auto end = raw.find("\r\n\r\n");
    if (end == std::string::npos || raw.size() < 12) return reply;
    reply.status = std::stoi(raw.substr(9, 3));
    reply.head = raw.substr(0, end);
    for (char& c : reply.head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    reply.body = raw.substr(end + 4);
    return reply;
}

class WorldServerTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("world_server_" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        for (std::size_t i = 0; i < kSize; ++i) content_ += static_cast<char>(i * 7 % 251);
        std::ofstream(folder_ / "big.wrl", std::ios::binary) << content_;
        std::ofstream(folder_ / "empty.wrl");
        server_ = std::make_unique<WorldServer>(ServedFolders(folder_));
        server_->Start();
    }
    void TearDown() override {
        server_.reset();
        fs::remove_all(folder_);
    }

    std::string HostLine() const { return "Host: 127.0.0.1:" + std::to_string(server_->Port()) + "\r\n"; }

    // Sends "METHOD path" with the given header lines (Connection: close added) and reads the reply.
    Reply Ask(const std::string& headers, const std::string& method = "GET", const std::string& path = "/big.wrl") {
        Connection connection(server_->Port());
        EXPECT_TRUE(connection.Send(method + " " + path + " HTTP/1.1\r\n" + headers + "Connection: close\r\n\r\n"));
        return Parse(connection.ReadToEnd());
    }

    fs::path folder_;
    std::string content_;
    std::unique_ptr<WorldServer> server_;
};

TEST_F(WorldServerTest, OneByteRangeIsHonouredAndSeveralCostTheFileOnce) {
    std::string many = "bytes=0-";
    for (int i = 1; i < 200; ++i) many += "," + std::to_string(i) + "-";
    const std::string size = std::to_string(kSize);
    struct Case {
        std::string range;
        int status;
        std::string contentRange;  // expected Content-Range, empty for none
        std::size_t first, length;  // the bytes of the file the body holds
    };
    const Case cases[] = {
        {"", 200, "", 0, kSize},
        {"bytes=10-19", 206, "bytes 10-19/" + size, 10, 10},
        {"bytes=-5", 206, "bytes " + std::to_string(kSize - 5) + "-" + std::to_string(kSize - 1) + "/" + size,
         kSize - 5, 5},
        {"bytes=100-", 206, "bytes 100-" + std::to_string(kSize - 1) + "/" + size, 100, kSize - 100},
        {"bytes=5-99999999999", 206, "bytes 5-" + std::to_string(kSize - 1) + "/" + size, 5, kSize - 5},
        {"bytes=" + size + "-", 416, "bytes */" + size, 0, 0},
        {"bytes=-0", 416, "bytes */" + size, 0, 0},
        {many, 200, "", 0, kSize},
        {"bytes=0-1,0-1", 200, "", 0, kSize},
        {"bytes=0-0,-1", 200, "", 0, kSize},
    };
    for (const Case& c : cases) {
        Reply reply = Ask(c.range.empty() ? HostLine() : HostLine() + "Range: " + c.range + "\r\n");
        EXPECT_EQ(reply.status, c.status) << c.range.substr(0, 40);
        EXPECT_EQ(reply.head.find("multipart"), std::string::npos) << c.range.substr(0, 40);
        if (!c.contentRange.empty()) {
            EXPECT_NE(reply.head.find("content-range: " + c.contentRange), std::string::npos) << c.range << reply.head;
        }
        if (c.status != 416) {
            EXPECT_TRUE(reply.body == content_.substr(c.first, c.length)) << c.range.substr(0, 40);
        }
    }
    Reply head = Ask(HostLine() + "Range: " + many + "\r\n", "HEAD");
    EXPECT_EQ(head.status, 200);
    EXPECT_NE(head.head.find("content-length: " + size), std::string::npos);
    EXPECT_TRUE(head.body.empty());
    Reply empty = Ask(HostLine(), "GET", "/empty.wrl");
    EXPECT_EQ(empty.status, 200);
    EXPECT_NE(empty.head.find("content-length: 0"), std::string::npos);
    EXPECT_EQ(Ask(HostLine() + "Range: bytes=0-\r\n", "GET", "/empty.wrl").status, 416);
    // Replies that are not files are whole whatever the Range says.
    Reply missing = Ask(HostLine() + "Range: bytes=500-600\r\n", "GET", "/missing.wrl");
    EXPECT_EQ(missing.status, 404);
    EXPECT_EQ(missing.body, "Not found\n");
}

TEST_F(WorldServerTest, OnlyOneLoopbackHostWithTheServedPortPasses) {
    const std::string port = std::to_string(server_->Port());
    const std::string other = std::to_string(server_->Port() == 1 ? 2 : server_->Port() - 1);
    const std::pair<std::string, int> cases[] = {
        {"Host: 127.0.0.1:" + port + "\r\n", 200},
        {"Host: localhost:" + port + "\r\n", 200},
        {"Host: LocalHost:" + port + "\r\n", 200},
        {"Host: [::1]:" + port + "\r\n", 200},
        {"", 403},
        {"Host: \r\n", 403},
        {"Host: 127.0.0.1\r\n", 403},
        {"Host: localhost\r\n", 403},
        {"Host: 127.0.0.1:" + other + "\r\n", 403},
        {"Host: 127.0.0.1:0" + port + "\r\n", 403},
        {"Host: [::1]evil\r\n", 403},
        {"Host: [::1]evil:" + port + "\r\n", 403},
        {"Host: [::1]:" + port + "evil\r\n", 403},
        {"Host: localhost.:" + port + "\r\n", 403},
        {"Host: evil.example:" + port + "\r\n", 403},
        {"Host: 127.0.0.1:" + port + "@evil.example\r\n", 403},
        {"Host: 127.0.0.1:" + port + "\r\nHost: 127.0.0.1:" + port + "\r\n", 403},
        {"Host: 127.0.0.1:" + port + "\r\nHost: evil.example\r\n", 403},
        {"Host: evil.example\r\nHost: 127.0.0.1:" + port + "\r\n", 403},
    };
    for (const auto& [headers, status] : cases) {
        EXPECT_EQ(Ask(headers, "GET", "/worlds.json").status, status) << headers;
        EXPECT_EQ(Ask(headers + "Range: bytes=0-9\r\n").status, status == 200 ? 206 : status) << headers;
    }
}

TEST_F(WorldServerTest, RequestBodiesAreRefused) {
    // A body far larger than any request needs is announced (and never sent): refused unread.
    Reply reply = Ask(HostLine() + "Content-Type: text/plain\r\nContent-Length: 100000000\r\n", "POST");
    EXPECT_EQ(reply.status, 413);
}

TEST_F(WorldServerTest, ConnectionsTricklingHalfARequestKeepNoOneWaiting) {
    std::vector<std::unique_ptr<Connection>> slow;
    for (int i = 0; i < 40; ++i) {
        slow.push_back(std::make_unique<Connection>(server_->Port()));
        ASSERT_TRUE(slow.back()->Send("GET /big.wrl HTTP/1.1\r\nX-Slow: "));
    }
    // Each sends one more byte of its header now and then, well within the read timeout.
    std::atomic<bool> answered = false;
    std::thread trickle([&] {
        while (!answered) {
            for (auto& connection : slow) connection->Send("a");
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    });
    Reply reply = Ask(HostLine(), "GET", "/worlds.json");
    answered = true;
    trickle.join();
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.body, "[\"big.wrl\",\"empty.wrl\"]\n");
}

}  // namespace
