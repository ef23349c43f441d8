#include "atrium/settings.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "holvane/error.hpp"

namespace {

namespace fs = std::filesystem;
using atrium::SettingsStore;

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::path(testing::TempDir()) / "atrium-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        file_ = dir_ / "atrium" / "ATRIUMTPL.ini";
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(file_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    // Writes `text` as the settings file and checks that reading gives the defaults and
    // leaves the file as it was.
    void ExpectDefaultsFrom(const std::string& text) {
        SCOPED_TRACE(text.substr(0, 60));
        fs::create_directories(file_.parent_path());
        WriteAll(file_, text);
        const SettingsStore store(file_);
        EXPECT_EQ(store.ProtoDir(), "C:\\");
        EXPECT_EQ(store.OutputDir(), "C:\\");
        EXPECT_EQ(ReadAll(file_), text);
    }

    fs::path dir_;
    fs::path file_;
};

TEST_F(SettingsStoreTest, MissingFileGivesDefaultsAndIsNotCreated) {
    const SettingsStore store(file_);
    EXPECT_EQ(store.ProtoDir(), "C:\\");
    EXPECT_EQ(store.OutputDir(), "C:\\");
    EXPECT_EQ(store.Find("ProtoPath", "ProtoDir"), std::nullopt);
    EXPECT_EQ(store.Get("ProtoPath", "ProtoDir", ""), "");
    EXPECT_FALSE(fs::exists(file_.parent_path()));
}

TEST_F(SettingsStoreTest, EmptyOrMalformedFileGivesDefaultsUntouched) {
    ExpectDefaultsFrom("");
    ExpectDefaultsFrom("garbage\n");
    ExpectDefaultsFrom("[ProtoPath\nProtoDir=D:\\p\\\n");
    ExpectDefaultsFrom("[ProtoPath]\nProtoDir=D:\\p\\\nnot a setting\n");  // one bad line
    ExpectDefaultsFrom("[]\nProtoDir=D:\\p\\\n");
    ExpectDefaultsFrom("[ProtoPath]\n=D:\\p\\\n");
    ExpectDefaultsFrom("[ProtoPath]\nProtoDir=D:\\p\\\n" + std::string("\0\x01", 2));
    ExpectDefaultsFrom("[ProtoPath]\nProtoDir=" + std::string(1u << 20, 'x') + "\n");
}

TEST_F(SettingsStoreTest, UnreadableFileOrDirectoryGivesDefaults) {
    fs::create_directories(file_);  // a directory where the file should be
    EXPECT_EQ(SettingsStore(file_).ProtoDir(), "C:\\");
    fs::remove(file_);

    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    WriteAll(file_, "[ProtoPath]\nProtoDir=D:\\p\\\n");
    fs::permissions(file_, fs::perms::none);
    EXPECT_EQ(SettingsStore(file_).ProtoDir(), "C:\\");
}

TEST_F(SettingsStoreTest, ReadsNamesWithoutCaseAndTrimsSpaces) {
    fs::create_directories(file_.parent_path());
    WriteAll(file_,
             "\xEF\xBB\xBF; settings\r\n"
             "[Other]\r\nProtoDir=wrong\r\n"
             "  [ protopath ]  \r\n"
             "  PROTODIR =  HTTP://example.org/protos/?a=b  \r\n"
             "protodir=second is ignored\r\n"
             "# comment\r\n\r\n"
             "[ProtoPath]\r\nOutputDir=D:\\out\\\r\n");
    const SettingsStore store(file_);
    EXPECT_EQ(store.ProtoDir(), "HTTP://example.org/protos/?a=b");
    EXPECT_EQ(store.OutputDir(), "D:\\out\\");  // a repeated section adds to the first
    EXPECT_EQ(store.Get("other", "protodir", "x"), "wrong");
}

TEST_F(SettingsStoreTest, WritesCreateDirectoryAndReadBack) {
    SettingsStore store(file_);
    store.SetProtoLocation("D:\\worlds\\", "D:\\protos\\");
    EXPECT_EQ(store.OutputDir(), "D:\\worlds\\");
    EXPECT_EQ(store.ProtoDir(), "D:\\protos\\");
    EXPECT_EQ(ReadAll(file_), "[ProtoPath]\nOutputDir=D:\\worlds\\\nProtoDir=D:\\protos\\\n");

    store.SetOutputDir("");
    store.SetProtoDir("  http://example.org/p/  ");
    EXPECT_EQ(store.Find("ProtoPath", "OutputDir"), std::optional<std::string>(""));
    EXPECT_EQ(store.ProtoDir(), "http://example.org/p/");

    // Nothing but the file is left in the directory: the temporary file was renamed.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(file_.parent_path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(SettingsStoreTest, WritingKeepsTheRestOfTheFile) {
    fs::create_directories(file_.parent_path());
    WriteAll(file_,
             "; kept\n"
             "[Window]\nWidth=615\n\n"
             "[protopath]\nprotodir=C:\\old\\\nExtra = 1\n\n"
             "[Last]\nKey=Value\n");
    ::chmod(file_.c_str(), 0640);
    SettingsStore store(file_);
    store.SetProtoDir("D:\\new\\");      // replaced in place
    store.SetOutputDir("D:\\out\\");     // added after the section's last key
    store.Set("Brand New", "Key", "v");  // a new section at the end
    EXPECT_EQ(ReadAll(file_),
              "; kept\n"
              "[Window]\nWidth=615\n\n"
              "[protopath]\nProtoDir=D:\\new\\\nExtra = 1\nOutputDir=D:\\out\\\n\n"
              "[Last]\nKey=Value\n\n"
              "[Brand New]\nKey=v\n");
    struct stat st {};
    ASSERT_EQ(::stat(file_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(SettingsStoreTest, WritingOverAMalformedFileStartsAfresh) {
    fs::create_directories(file_.parent_path());
    WriteAll(file_, "this is not\nan ini file\n");
    SettingsStore store(file_);
    store.SetProtoDir("D:\\p\\");
    EXPECT_EQ(ReadAll(file_), "[ProtoPath]\nProtoDir=D:\\p\\\n");
}

TEST_F(SettingsStoreTest, WritingThroughASymbolicLinkKeepsTheLink) {
    fs::create_directories(file_.parent_path());
    const fs::path target = dir_ / "real.ini";
    WriteAll(target, "[ProtoPath]\nProtoDir=old\n");
    fs::create_symlink("../real.ini", file_);
    SettingsStore(file_).SetProtoDir("new");
    EXPECT_TRUE(fs::is_symlink(file_));
    EXPECT_EQ(ReadAll(target), "[ProtoPath]\nProtoDir=new\n");
}

TEST_F(SettingsStoreTest, RejectsUnwritableNamesAndValuesWithoutWriting) {
    fs::create_directories(file_.parent_path());
    const std::string text = "[ProtoPath]\nProtoDir=old\n";
    WriteAll(file_, text);
    SettingsStore store(file_);
    auto expectInvalid = [&](std::string_view section, std::string_view key,
                             std::string_view value) {
        try {
            store.Set(section, key, value);
            ADD_FAILURE() << "accepted [" << section << "] " << key;
        } catch (const holvane::Error& e) {
            EXPECT_EQ(e.number(), holvane::kInvalidArgument);
        }
    };
    expectInvalid("ProtoPath", "ProtoDir", "two\nlines");
    expectInvalid("ProtoPath", "Key=", "v");
    expectInvalid("ProtoPath", "", "v");
    expectInvalid("Proto]Path", "Key", "v");
    expectInvalid(" ProtoPath", "Key", "v");
    EXPECT_EQ(ReadAll(file_), text);
}

TEST_F(SettingsStoreTest, FailedWriteRaisesAndKeepsNothingHalfWritten) {
    WriteAll(dir_ / "atrium", "a file where the directory should be");
    try {
        SettingsStore(file_).SetProtoDir("x");
        ADD_FAILURE() << "write succeeded";
    } catch (const holvane::Error& e) {
        EXPECT_EQ(e.number(), holvane::kWriteFailed);
    }
    EXPECT_EQ(ReadAll(dir_ / "atrium"), "a file where the directory should be");

    try {
        SettingsStore(fs::path()).SetProtoDir("x");
        ADD_FAILURE() << "write succeeded";
    } catch (const holvane::Error& e) {
        EXPECT_EQ(e.number(), holvane::kWriteFailed);
    }
    EXPECT_EQ(SettingsStore(fs::path()).ProtoDir(), "C:\\");
}

// Sets or clears an environment variable until the end of the scope.
struct ScopedEnv {
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsStoreLocation, FollowsXdgConfigHomeThenHome) {
    const ScopedEnv home("HOME", "/home/someone");
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "/xdg/config");
        EXPECT_EQ(SettingsStore::DefaultPath(), fs::path("/xdg/config/atrium/ATRIUMTPL.ini"));
        EXPECT_EQ(SettingsStore().path(), SettingsStore::DefaultPath());
    }
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "relative/config");  // not absolute: ignored
        EXPECT_EQ(SettingsStore::DefaultPath(),
                  fs::path("/home/someone/.config/atrium/ATRIUMTPL.ini"));
    }
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(SettingsStore::DefaultPath(),
                  fs::path("/home/someone/.config/atrium/ATRIUMTPL.ini"));
    }
}

}  // namespace
