// Hosts that build and export graphs on several threads at once, each thread with its own
// control: every world must be the same bytes as the one exported alone, and the process-wide
// proto path, warning handler and settings file must hold up. Run under ThreadSanitizer in CI.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "atrium/atrium.hpp"

using namespace atrium;
namespace fs = std::filesystem;

namespace {

constexpr const char* kProtoDir = "../shared/atrium/protos/";

// One graph of each kind with a little data, exported with line breaks and tabs.
using Export = std::function<std::string(GraphFactory&)>;
const std::vector<std::pair<const char*, Export>>& Kinds() {
    static const std::vector<std::pair<const char*, Export>> kinds = {
        {"area", [](GraphFactory& f) {
             auto g = f.CreateAreaGraph();
             g->GridProps()->SetZAxisCellCount(2);
             for (float v : {1.0f, 3.0f, 2.0f}) g->GetSeries(2)->Height()->Add(v);
             return g->ExportToString(true, true);
         }},
        {"ribbon", [](GraphFactory& f) {
             auto g = f.CreateRibbonGraph();
             g->GridProps()->SetZAxisCellCount(1);
             for (float v : {2.0f, 0.5f}) g->GetSeries(1)->Height()->Add(v);
             return g->ExportToString(true, true);
         }},
        {"column", [](GraphFactory& f) {
             auto g = f.CreateColumnGraph();
             g->GridProps()->SetZAxisCellCount(1);
             g->SetColumnsPerCell(2);
             for (float v : {1.0f, 4.0f}) g->GetSeries(1, 2)->Height()->Add(v);
             return g->ExportToString(true, true);
         }},
        {"pie", [](GraphFactory& f) {
             auto g = f.CreatePieGraph();
             g->SetSliceCount(3);
             g->GetSlice(2)->SetPercentage(0.5f);
             g->SetUseSpinAxis(true);
             return g->ExportToString(true, true);
         }},
        {"scatter", [](GraphFactory& f) {
             auto g = f.CreateScatterGraph();
             g->SetPointFrameCount(2);
             g->Get1PointFrame(1)->AddPoint(0.2f, 0.4f, 0.6f, 0.1f, 0x3050E0, 0);
             g->Get1PointFrame(2)->AddPoint(0.8f, 0.4f, 0.1f, 0.1f, 0x30E050, 0.5f);
             return g->ExportToString(true, true);
         }},
        {"surface", [](GraphFactory& f) {
             auto g = f.CreateSurfaceGraph();
             g->GridProps()->SetXAxisCellCount(2);
             g->GridProps()->SetZAxisCellCount(2);
             g->SetSurfaceCount(2);
             g->GetSurface(2)->SurfaceNode()->HeightField()->Values() = {0, 1, 0.5f, 0.25f};
             return g->ExportToString(true, true);
         }},
        {"density", [](GraphFactory& f) {
             auto g = f.CreateDensityGraph();
             g->SetSurfaceCount(1);
             g->GetSurface(1)->PointList()->Values() = {{0.2f, 0.3f}, {0.7f, 0.6f}};
             return g->ExportToString(true, true);
         }},
        {"surface and column", [](GraphFactory& f) {
             auto g = f.CreateSCComboGraph();
             g->GridProps()->SetXAxisCellCount(2);
             g->GridProps()->SetZAxisCellCount(2);
             g->SetSurfaceCount(1);
             g->GetSeries(1)->Height()->Add(2);
             g->GetSurface(1)->SurfaceNode()->HeightField()->Values() = {1, 0, 0, 1};
             return g->ExportToString(true, true);
         }},
        {"ribbon and surface", [](GraphFactory& f) {
             auto g = f.CreateRCComboGraph();
             g->GridProps()->SetXAxisCellCount(2);
             g->GridProps()->SetZAxisCellCount(2);
             g->SetSurfaceCount(1);
             g->GetSeries(1)->Height()->Add(3);
             g->GetSurface(1)->SurfaceNode()->HeightField()->Values() = {0, 0, 1, 1};
             return g->ExportToString(true, true);
         }},
    };
    return kinds;
}

}  // namespace

TEST(Threads, EightThreadsWithTheirOwnControlsExportWhatOneThreadExports) {
    const fs::path dir = fs::temp_directory_path() / ("atrium_threads_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    const fs::path ini = dir / "ATRIUMTPL.ini";
    SettingsStore(ini).SetProtoDir(kProtoDir);

    std::atomic<int> warnings = 0;
    const WarningHandler previous = SetWarningHandler([&](std::string_view, std::string_view) { ++warnings; });
    std::vector<std::string> alone;
    {
        AtriumTemplateCtl control{SettingsStore(ini)};
        for (const auto& kind : Kinds()) alone.push_back(kind.second(*control.CreateFactory()));
    }
    ASSERT_NE(alone[0].find(std::string("EXTERNPROTO")), std::string::npos);
    ASSERT_NE(alone[0].find(std::string(kProtoDir) + "HV_GRAPH.wrl"), std::string::npos);

    constexpr int kThreads = 8, kRounds = 3;
    std::vector<std::vector<std::string>> worlds(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                // Every step that writes the process-wide path, each giving the same path.
                AtriumTemplateCtl control{SettingsStore(ini)};
                PropertyBag bag;
                bag.Write(AtriumTemplateCtl::kProtoPathProperty, kProtoDir, "");
                control.Load(bag);
                control.SetRelativeProtoPath("no-separator");  // refused with a warning
                control.SetRelativeProtoPath(kProtoDir);
                SettingsStore(ini).Set("Threads", "T" + std::to_string(t), std::to_string(round));
                for (const auto& kind : Kinds()) worlds[static_cast<std::size_t>(t)].push_back(kind.second(*control.CreateFactory()));
            }
        });
    for (auto& thread : threads) thread.join();
    SetWarningHandler(previous);

    EXPECT_EQ(warnings, kThreads * kRounds);
    for (int t = 0; t < kThreads; ++t) {
        const auto& mine = worlds[static_cast<std::size_t>(t)];
        ASSERT_EQ(mine.size(), Kinds().size() * kRounds);
        for (std::size_t k = 0; k < mine.size(); ++k)
            EXPECT_EQ(mine[k], alone[k % alone.size()]) << "thread " << t << ", " << Kinds()[k % alone.size()].first;
        EXPECT_EQ(SettingsStore(ini).Find("Threads", "T" + std::to_string(t)), std::to_string(kRounds - 1))
            << "every thread's key is kept";
    }
    EXPECT_EQ(SettingsStore(ini).ProtoDir(), kProtoDir);
    SetProtoPath("");
    fs::remove_all(dir);
}
