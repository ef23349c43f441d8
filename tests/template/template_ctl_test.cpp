#include "atrium/template_ctl.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "atrium/proto_path.hpp"
#include "atrium/warning.hpp"
#include "holvane/error.hpp"

namespace {

namespace fs = std::filesystem;
using atrium::AtriumTemplateCtl;
using atrium::GraphFactory;
using atrium::PropertyBag;
using atrium::SettingsStore;

// A private settings file, warnings collected instead of shown, and the process-wide proto
// path restored afterwards.
class TemplateCtlTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::path(testing::TempDir()) / "atrium-ctl-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        previous_ = atrium::SetWarningHandler([this](std::string_view title, std::string_view text) {
            warnings_.push_back(std::string(title) + "|" + std::string(text));
        });
        savedPath_ = atrium::ProtoPath();
    }
    void TearDown() override {
        atrium::SetWarningHandler(std::move(previous_));
        atrium::SetProtoPath(savedPath_);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    SettingsStore SettingsWith(const std::string& text) {
        std::ofstream(dir_ / "ATRIUMTPL.ini", std::ios::binary) << text;
        return SettingsStore(dir_ / "ATRIUMTPL.ini");
    }
    SettingsStore NoSettings() { return SettingsStore(dir_ / "missing.ini"); }

    fs::path dir_;
    std::vector<std::string> warnings_;
    atrium::WarningHandler previous_;
    std::string savedPath_;
};

TEST_F(TemplateCtlTest, FactoryIsSharedScalersAreFreshSizeIsFixed) {
    AtriumTemplateCtl ctl(NoSettings());
    const auto factory = ctl.CreateFactory();
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(ctl.CreateFactory(), factory);
    EXPECT_NE(AtriumTemplateCtl(NoSettings()).CreateFactory(), factory);  // one per control

    const auto first = ctl.CreateScaler();
    first->SetToMax(10.0f);
    const auto second = ctl.CreateScaler();
    EXPECT_NE(first, second);
    EXPECT_EQ(second->ScaledValue(0.25f), 0.25f);

    ctl.Resize(2000, 10);
    EXPECT_EQ(ctl.Width(), 615);
    EXPECT_EQ(ctl.Height(), 615);
}

TEST_F(TemplateCtlTest, EveryCreatorGivesANewGraphOrSaysTheKindIsNotBuilt) {
    GraphFactory f;
    // Each creator is called twice: two distinct graphs, or the not-available error both times.
    const std::vector<std::pair<std::string, std::function<std::shared_ptr<void>()>>> creators = {
        {"area", [&] { return std::shared_ptr<void>(f.CreateAreaGraph()); }},
        {"ribbon", [&] { return std::shared_ptr<void>(f.CreateRibbonGraph()); }},
        {"column", [&] { return std::shared_ptr<void>(f.CreateColumnGraph()); }},
        {"pie", [&] { return std::shared_ptr<void>(f.CreatePieGraph()); }},
        {"scatter", [&] { return std::shared_ptr<void>(f.CreateScatterGraph()); }},
        {"surface", [&] { return std::shared_ptr<void>(f.CreateSurfaceGraph()); }},
        {"density", [&] { return std::shared_ptr<void>(f.CreateDensityGraph()); }},
        {"surface and column combination", [&] { return std::shared_ptr<void>(f.CreateSCComboGraph()); }},
        {"ribbon and surface combination", [&] { return std::shared_ptr<void>(f.CreateRCComboGraph()); }}};
    for (const auto& [kind, create] : creators) {
        try {
            auto first = create();
            auto second = create();
            EXPECT_TRUE(first && second && first != second) << kind;
        } catch (const holvane::Error& e) {
            EXPECT_EQ(e.number(), GraphFactory::kGraphNotAvailable) << kind;
            EXPECT_EQ(e.description(), "The " + kind + " graph is not available in this build");
        }
    }
}

TEST_F(TemplateCtlTest, RelativeProtoPathIsTrimmedStoredProcessWideAndReported) {
    AtriumTemplateCtl ctl(NoSettings());
    std::vector<std::string> changes;
    ctl.OnPropertyChanged([&](std::string_view name) { changes.emplace_back(name); });

    ctl.SetRelativeProtoPath("..\\protos\\");
    EXPECT_EQ(atrium::ProtoPath(), "..\\protos\\");
    ctl.SetRelativeProtoPath("   ");
    EXPECT_EQ(ctl.RelativeProtoPath(), "");
    ctl.SetRelativeProtoPath("  http://www.example.com/atrium/protos/  ");
    EXPECT_EQ(ctl.RelativeProtoPath(), "http://www.example.com/atrium/protos/");
    EXPECT_TRUE(warnings_.empty());
    EXPECT_EQ(changes, std::vector<std::string>(3, "RelativeProtoPath"));
}

TEST_F(TemplateCtlTest, RelativeProtoPathWithoutFinalSeparatorIsRefused) {
    AtriumTemplateCtl ctl(NoSettings());
    ctl.SetRelativeProtoPath("../protos/");
    int changes = 0;
    ctl.OnPropertyChanged([&](std::string_view) { ++changes; });

    // Only spaces are trimmed, so a tab after the separator is the last character.
    for (const char* value : {"protos", "http://www.example.com/protos", "../protos/\t"}) {
        ctl.SetRelativeProtoPath(value);
        EXPECT_EQ(ctl.RelativeProtoPath(), "../protos/") << value;
    }
    EXPECT_EQ(warnings_, std::vector<std::string>(
        3, "Atrium Template OCX|The proto relative path must end with either a / or \\."));
    EXPECT_EQ(changes, 0);

    atrium::SetWarningHandler(nullptr);  // the default handler writes to standard error
    testing::internal::CaptureStderr();
    ctl.SetRelativeProtoPath("protos");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Atrium Template OCX: The proto relative path must end with either a / or \\.\n");
}

TEST_F(TemplateCtlTest, ConstructionTakesTheRawProtoDirSetting) {
    EXPECT_EQ(AtriumTemplateCtl(SettingsWith("[ProtoPath]\nProtoDir=D:\\protos\n")).RelativeProtoPath(),
              "D:\\protos");
    EXPECT_EQ(AtriumTemplateCtl(NoSettings()).RelativeProtoPath(), "");  // not the "C:\" default
}

TEST_F(TemplateCtlTest, NewControlTakesAUrlSettingInAnyLetterCaseUnchanged) {
    AtriumTemplateCtl ctl(SettingsWith("[ProtoPath]\nOutputDir=C:\\worlds\\\nProtoDir=hTTp://Example.com/Protos\n"));
    ctl.InitNew();
    EXPECT_EQ(ctl.RelativeProtoPath(), "hTTp://Example.com/Protos");
    EXPECT_TRUE(warnings_.empty());
}

TEST_F(TemplateCtlTest, NewControlRelatesTheDirectoriesOrLeavesThePathEmpty) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"OutputDir=C:\\w\\x\nProtoDir=C:\\w\\protos\n", "..\\protos\\"},
        {"OutputDir=/srv/www/charts\nProtoDir=/srv/www/protos\n", "../protos/"},
        {"", ""},  // "C:\" and "C:\"
        {"OutputDir=C:\\w\nProtoDir=D:\\protos\n", ""},  // errors are swallowed
        {"OutputDir=\\\\server\\share\nProtoDir=C:\\protos\n", ""},
        {"OutputDir=C:\\w\nProtoDir=protos\n", ""}};
    for (const auto& [settings, expected] : cases) {
        atrium::SetProtoPath("stale/");
        AtriumTemplateCtl ctl(SettingsWith("[ProtoPath]\n" + settings));
        EXPECT_NO_THROW(ctl.InitNew()) << settings;
        EXPECT_EQ(ctl.RelativeProtoPath(), expected) << settings;
    }
    EXPECT_TRUE(warnings_.empty());
}

TEST_F(TemplateCtlTest, SaveAndLoadKeepTheProtoPathWithAnEmptyDefault) {
    AtriumTemplateCtl ctl(NoSettings());
    PropertyBag bag;
    ctl.Save(bag);
    EXPECT_FALSE(bag.Contains("ProtoPath"));  // the default is not stored

    ctl.SetRelativeProtoPath("..\\protos\\");
    ctl.Save(bag);
    AtriumTemplateCtl restored(NoSettings());
    restored.Load(bag);
    EXPECT_EQ(restored.RelativeProtoPath(), "..\\protos\\");

    restored.Load(PropertyBag());
    EXPECT_EQ(restored.RelativeProtoPath(), "");
    ctl.Save(bag);  // saving the empty path removes the stored one
    EXPECT_FALSE(bag.Contains("ProtoPath"));
}

}  // namespace
