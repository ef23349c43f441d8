#include "atrium/proto_path_page.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "atrium/proto_path.hpp"
#include "atrium/warning.hpp"
#include "holvane/error.hpp"

namespace {

namespace fs = std::filesystem;
using atrium::AtriumTemplateCtl;
using atrium::ProtoPathPage;
using atrium::SettingsStore;
using Option = ProtoPathPage::PathOption;

// A page over a private settings file applying to two controls whose property changes are
// counted; warnings are collected instead of shown.
class ProtoPathPageTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::path(testing::TempDir()) / "atrium-page-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        file_ = dir_ / "ATRIUMTPL.ini";
        previous_ = atrium::SetWarningHandler(
            [this](std::string_view, std::string_view text) { warnings_.emplace_back(text); });
        savedPath_ = atrium::ProtoPath();
        for (int i = 0; i < 2; ++i) {
            controls_.push_back(std::make_shared<AtriumTemplateCtl>(SettingsStore(dir_ / "unused.ini")));
            controls_.back()->OnPropertyChanged([this, i](std::string_view) { ++changes_[i]; });
        }
        atrium::SetProtoPath("old/");
    }
    void TearDown() override {
        atrium::SetWarningHandler(std::move(previous_));
        atrium::SetProtoPath(savedPath_);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    void WriteSettings(const std::string& text) { std::ofstream(file_, std::ios::binary) << text; }
    std::string ReadSettings() const {
        std::ifstream in(file_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::unique_ptr<ProtoPathPage> OpenPage() {
        auto page = std::make_unique<ProtoPathPage>(SettingsStore(file_));
        page->SetSelectedControls(controls_);
        page->Open();
        return page;
    }
    std::string MakeDir(const std::string& relative) {
        fs::create_directories(dir_ / relative);
        return (dir_ / relative).string();
    }

    fs::path dir_, file_;
    std::vector<std::shared_ptr<AtriumTemplateCtl>> controls_;
    int changes_[2] = {0, 0};
    std::vector<std::string> warnings_;
    atrium::WarningHandler previous_;
    std::string savedPath_;
};

TEST_F(ProtoPathPageTest, OpensInTheModeOfTheSettingsUnchanged) {
    WriteSettings("[ProtoPath]\nOutputDir=\nProtoDir=hTtP://www.example.com/protos/\n");
    auto page = OpenPage();
    EXPECT_EQ(page->Option(), Option::url);
    EXPECT_TRUE(page->IsUrlFrameVisible());
    EXPECT_FALSE(page->IsDirectoriesFrameVisible());
    EXPECT_EQ(page->UrlText(), "hTtP://www.example.com/protos/");
    EXPECT_EQ(page->OutputDirectory(), "C:\\");
    EXPECT_FALSE(page->Changed());

    const std::string worlds = MakeDir("worlds");
    WriteSettings("[ProtoPath]\nOutputDir=" + worlds + "\nProtoDir=" + (dir_ / "missing").string() + "\n");
    page->Open();
    EXPECT_EQ(page->Option(), Option::directories);
    EXPECT_FALSE(page->IsUrlFrameVisible());
    EXPECT_TRUE(page->IsDirectoriesFrameVisible());
    EXPECT_EQ(page->OutputDirectory(), worlds);
    EXPECT_EQ(page->ProtoDirectory(), "C:\\");  // a directory list cannot show a missing one
    EXPECT_EQ(page->UrlText(), "HTTP://");
    EXPECT_FALSE(page->Changed());
}

TEST_F(ProtoPathPageTest, OptionClicksSwapTheFramesAndEditsMarkThePageChanged) {
    auto page = OpenPage();
    page->ClickOption(Option::url);
    EXPECT_TRUE(page->IsUrlFrameVisible());
    EXPECT_FALSE(page->IsDirectoriesFrameVisible());
    EXPECT_TRUE(page->Changed());
    page->ClickOption(Option::directories);
    EXPECT_TRUE(page->IsDirectoriesFrameVisible());

    page->Open();
    page->SetProtoDirectory("/tmp");
    EXPECT_TRUE(page->Changed());
}

TEST_F(ProtoPathPageTest, ApplyInUrlModeSavesTheTrimmedUrlAndSetsEveryControl) {
    WriteSettings("; designer settings\n[ProtoPath]\nOutputDir=C:\\worlds\\\nProtoDir=C:\\protos\\\n");
    auto page = OpenPage();
    page->ClickOption(Option::url);
    page->SetUrlText("  http://www.example.com/protos/  ");
    page->Apply();

    EXPECT_EQ(atrium::ProtoPath(), "http://www.example.com/protos/");
    EXPECT_EQ(changes_[0], 1);
    EXPECT_EQ(changes_[1], 1);
    EXPECT_FALSE(page->Changed());
    const SettingsStore settings(file_);
    EXPECT_EQ(settings.OutputDir(), "");
    EXPECT_EQ(settings.ProtoDir(), "http://www.example.com/protos/");
    EXPECT_EQ(ReadSettings().rfind("; designer settings\n", 0), 0u);
}

TEST_F(ProtoPathPageTest, ApplyInUrlModeWithoutFinalSlashIsRefusedByEachControl) {
    auto page = OpenPage();
    page->ClickOption(Option::url);
    page->SetUrlText("http://www.example.com/protos");
    page->Apply();
    EXPECT_EQ(atrium::ProtoPath(), "old/");
    EXPECT_EQ(warnings_.size(), 2u);
    EXPECT_EQ(changes_[0] + changes_[1], 0);
}

TEST_F(ProtoPathPageTest, ApplyInDirectoryModeSavesBothAndSetsTheRelativePath) {
    const std::string charts = MakeDir("www/worlds/charts");
    const std::string protos = MakeDir("www/protos");
    WriteSettings("[ProtoPath]\nOutputDir=" + charts + "\nProtoDir=" + protos + "\n");
    auto page = OpenPage();
    ASSERT_EQ(page->Option(), Option::directories);
    page->Apply();
    EXPECT_EQ(atrium::ProtoPath(), "../../protos/");
    EXPECT_EQ(changes_[0], 1);
    EXPECT_EQ(changes_[1], 1);

    page->SetOutputDirectory(protos);
    page->Apply();
    EXPECT_EQ(atrium::ProtoPath(), "");
    EXPECT_EQ(SettingsStore(file_).OutputDir(), protos);
    EXPECT_TRUE(warnings_.empty());
}

TEST_F(ProtoPathPageTest, DirectoriesThatCannotBeRelatedChangeNothing) {
    const std::string before = "[ProtoPath]\nOutputDir=C:\\\nProtoDir=C:\\\n";
    WriteSettings(before);
    auto page = OpenPage();
    page->SetOutputDirectory("C:\\worlds");
    page->SetProtoDirectory("D:\\protos");
    try {
        page->Apply();
        ADD_FAILURE() << "Apply succeeded";
    } catch (const holvane::Error& e) {
        EXPECT_EQ(e.number(), holvane::kObjectError);
        EXPECT_EQ(e.description(), "Error making relative path : Source and destination drives must match");
    }
    EXPECT_EQ(atrium::ProtoPath(), "old/");
    EXPECT_EQ(changes_[0] + changes_[1], 0);
    EXPECT_EQ(ReadSettings(), before);
    EXPECT_TRUE(page->Changed());
}

}  // namespace
