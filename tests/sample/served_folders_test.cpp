// What the world server hands out: names resolve inside their folders only, fallbacks fill
// in missing names, the world list leaves the proto files out, and the texts it writes are
// escaped.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "content_types.hpp"
#include "served_folders.hpp"
#include "world_server.hpp"

namespace fs = std::filesystem;
using namespace atrium_serve;

namespace {

class ServedFoldersTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("served_folders_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        Write("worlds/A.wrl");
        Write("worlds/B.wrl");
        Write("worlds/HV_GRAPH.wrl");
        Write("worlds/index.html");
        Write("worlds/sub/index.html");
        Write("worlds/notes.txt");
        Write("secret.txt");
        Write("protos/HV_UI.wrl");
        Write("protos/HV_GRAPH.wrl");
        Write("runtime/x_ite.min.js");
        fs::create_directory_symlink(root_, root_ / "worlds/up");
        fs::create_symlink(root_ / "secret.txt", root_ / "worlds/leak.txt");
        fs::create_symlink(root_ / "worlds/A.wrl", root_ / "worlds/alias.wrl");
        fs::create_symlink(root_ / "secret.txt", root_ / "worlds/leak.wrl");
    }
    void TearDown() override { fs::remove_all(root_); }

    void Write(const std::string& name) {
        fs::create_directories((root_ / name).parent_path());
        std::ofstream(root_ / name) << name;
    }

    fs::path root_;
};

TEST_F(ServedFoldersTest, RequestPathsResolveInsideTheirFolderOnly) {
    ServedFolders folders(root_ / "worlds");
    folders.AddFallback("", root_ / "protos");
    folders.AddFallback("x_ite/", root_ / "runtime");
    struct Case {
        const char* path;
        const char* file;  // below root_, or nullptr for "not served"
    };
    const Case cases[] = {
        {"/A.wrl", "worlds/A.wrl"},
        {"/", "worlds/index.html"},
        {"", "worlds/index.html"},
        {"/sub/", "worlds/sub/index.html"},
        {"/sub/./index.html", "worlds/sub/index.html"},
        {"/alias.wrl", "worlds/A.wrl"},               // a link that stays inside
        {"/HV_GRAPH.wrl", "worlds/HV_GRAPH.wrl"},     // the folder's own copy comes first
        {"/HV_UI.wrl", "protos/HV_UI.wrl"},           // missing beside the worlds: the fallback
        {"/x_ite/x_ite.min.js", "runtime/x_ite.min.js"},
        {"/x_ite.min.js", nullptr},                   // the fallback only serves under its prefix
        {"/../secret.txt", nullptr},
        {"/sub/../../secret.txt", nullptr},
        {"/sub/../A.wrl", nullptr},                   // no ".." at all, even one that stays inside
        {"//etc/passwd", nullptr},
        {"/up/secret.txt", nullptr},                  // a link to a folder outside
        {"/leak.txt", nullptr},                       // a link to a file outside
        {"/x_ite/../secret.txt", nullptr},
        {"/sub", nullptr},                            // a folder is not a file
        {"/missing.wrl", nullptr},
    };
    for (const Case& c : cases) {
        auto file = folders.Resolve(c.path);
        if (c.file) {
            ASSERT_TRUE(file) << c.path;
            EXPECT_EQ(*file, fs::canonical(root_ / c.file)) << c.path;
        } else {
            EXPECT_FALSE(file) << c.path << " gave " << file->string();
        }
    }
    EXPECT_FALSE(FileInside(root_ / "worlds", std::string("A.wrl\0/x", 8)));
}

TEST_F(ServedFoldersTest, WorldsAreTheFoldersOwnWrlFilesLessTheProtoFiles) {
    ServedFolders folders(root_ / "worlds", {"HV_GRAPH.wrl", "HV_UI.wrl"});
    folders.AddFallback("", root_ / "protos");
    EXPECT_EQ(folders.Worlds(), (std::vector<std::string>{"A.wrl", "B.wrl", "alias.wrl"}));
    EXPECT_TRUE(ServedFolders(root_ / "no such folder").Worlds().empty());
}

TEST(ContentTypeTest, TheViewersFilesGetTheirTypes) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.wrl", "model/vrml"},
        {"A.WRL", "model/vrml"},
        {"index.html", "text/html; charset=utf-8"},
        {"x_ite.min.js", "text/javascript; charset=utf-8"},
        {"viewer.css", "text/css; charset=utf-8"},
        {"worlds.json", "application/json"},
        {"shot.png", "image/png"},
        {"f/Ubuntu.woff2", "font/woff2"},
        {"draco.wasm", "application/wasm"},
        {"README", "application/octet-stream"},
        {"archive.zip", "application/octet-stream"},
    };
    for (const auto& [file, type] : cases) EXPECT_EQ(ContentType(file), type) << file;
}

TEST(ServerTextTest, NamesAreEscapedForJsonAndForTheAddress) {
    EXPECT_EQ(JsonString("Area.wrl"), "\"Area.wrl\"");
    EXPECT_EQ(JsonString("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\u000a\\u0001\"");
    EXPECT_EQ(PercentEncoded("Area-Graph_1.wrl~"), "Area-Graph_1.wrl~");
    EXPECT_EQ(PercentEncoded("my world&x=1#?.wrl"), "my%20world%26x%3D1%23%3F.wrl");
    EXPECT_EQ(PercentEncoded("\xc3\xa9.wrl"), "%C3%A9.wrl");
}

}  // namespace
