// The desktop sample: the window "Graph builder", whose buttons each build one sample graph,
// write it into a folder and offer to open it in the default browser.
//
//   atrium-test-window [--out FOLDER]
//
// FOLDER defaults to atrium-worlds in the current folder. Opening serves FOLDER on 127.0.0.1 (one server
// for the whole run, started at the first Yes) until the window is closed.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>

#include <algorithm>
#include <iostream>
#include <list>
#include <string_view>

#include "browser_launch.hpp"
#include "command_line.hpp"
#include "data_folders.hpp"
#include "sample_builds.hpp"
#include "world_server.hpp"

namespace fs = std::filesystem;
using namespace atrium_test;

namespace {

// The window's layout in twips, 15 to a pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 3600, kClientHeight = 4035;
constexpr int kButtonWidth = 2310, kButtonHeight = 375;
constexpr int kCaptionSize = 12;  // pixels; the longest caption fits its button

// One button: its caption, its place and the file of the sample graph it builds. The order is
// the tab order.
struct ButtonRow {
    const char* caption;
    int left, top;
    const char* fileName;
};
constexpr ButtonRow kButtons[] = {
    {"Make area graph", 150, 90, "AreaGraphTest.wrl"},
    {"Make ribbon graph", 150, 525, "RibbonGraphTest.wrl"},
    {"Make column graph", 150, 960, "ColumnGraphTest.wrl"},
    {"Make pie graph", 165, 1395, "PieGraphTest.wrl"},
    {"Make scatter graph", 165, 1845, "ScatterGraphTest.wrl"},
    {"Make surface graph", 180, 2280, "SurfaceGraphTest.wrl"},
    {"Make density graph", 180, 2745, "DensityGraphTest.wrl"},
    {"Make SC combo graph", 165, 3180, "SCComboGraphTest.wrl"},
    {"Make RC combo graph", 165, 3615, "RCComboGraphTest.wrl"},
};

constexpr const char* kBoxCaption = "Atrium Test";

int Pixels(int twips) { return twips / kTwipsPerPixel; }

class GraphBuilderWindow {
public:
    explicit GraphBuilderWindow(fs::path folder);

    // Shows the window and runs until it is closed.
    int Run();

private:
    struct Click {
        GraphBuilderWindow* window;
        const GraphBuilder* builder;
    };

    static void OnClick(Fl_Widget*, void* click);
    void Build(const GraphBuilder& builder);
    void AlertComplete(const fs::path& file);

    SampleBuilds builds_;
    atrium_serve::WorldServer server_;
    Fl_Window window_;
    std::list<Click> clicks_;  // the buttons' callback data; a list keeps their addresses
};

GraphBuilderWindow::GraphBuilderWindow(fs::path folder)
    : builds_(std::move(folder)),
      server_(atrium_serve::ChartFolders(builds_.Folder())),
      window_(Pixels(kClientWidth), Pixels(kClientHeight), "Graph builder") {
    for (const ButtonRow& row : kButtons) {
        auto* button = new Fl_Button(Pixels(row.left), Pixels(row.top), Pixels(kButtonWidth), Pixels(kButtonHeight),
                                     row.caption);
        button->labelsize(kCaptionSize);
        auto builder = std::find_if(GraphBuilders().begin(), GraphBuilders().end(),
                                    [&](const GraphBuilder& b) { return b.fileName == row.fileName; });
        if (builder == GraphBuilders().end()) {
            button->deactivate();
            continue;
        }
        button->callback(OnClick, &clicks_.emplace_back(Click{this, &*builder}));
    }
    window_.end();
}

int GraphBuilderWindow::Run() {
    window_.show();
    return Fl::run();
}

void GraphBuilderWindow::OnClick(Fl_Widget*, void* data) {
    auto* click = static_cast<Click*>(data);
    click->window->Build(*click->builder);
}

void GraphBuilderWindow::Build(const GraphBuilder& builder) {
    fs::path file;
    try {
        file = builds_.Build(builder);
    } catch (const std::runtime_error& e) {
        fl_message_title(kBoxCaption);
        fl_alert("%s", e.what());
        return;
    }
    AlertComplete(file);
}

void GraphBuilderWindow::AlertComplete(const fs::path& file) {
    fl_message_title(kBoxCaption);
    if (fl_choice("Created file %s\nOpen in default browser?", "No", "Yes", nullptr, file.c_str()) != 1) return;

    window_.cursor(FL_CURSOR_WAIT);
    Fl::flush();
    try {
        server_.Start();
        std::string address = server_.ViewerAddress(file.filename().string());
        std::cout << address << std::endl;
        if (std::string error = atrium_serve::StartBrowser(address); !error.empty())
            std::cerr << "atrium-test-window: could not start xdg-open (" << error << ")\n";
    } catch (const std::runtime_error& e) {
        std::cerr << "atrium-test-window: " << e.what() << "\n";
    }
    window_.cursor(FL_CURSOR_DEFAULT);
}

}  // namespace

int main(int argc, char** argv) {
    const atrium_cli::ProgramUsage usage(
        "atrium-test-window",
        "usage: atrium-test-window [--out FOLDER]\n"
        "Shows the window whose buttons write the sample graphs into FOLDER (default: atrium-worlds\n"
        "in the current folder) and offer to open them in the default browser.\n");
    auto parsed = usage.Parse(argc, argv, {{"--out", true}});
    if (const int* status = std::get_if<int>(&parsed)) return *status;
    const atrium_cli::CommandLine& line = std::get<atrium_cli::CommandLine>(parsed);
    if (!line.operands.empty()) return usage.Refuse("unexpected argument \"" + line.operands.front() + "\"");
    const fs::path folder = line.Value("--out").value_or(DefaultOutputFolder().string());
    try {
        GraphBuilderWindow window(folder);
        return window.Run();
    } catch (const std::runtime_error& e) {
        std::cerr << "atrium-test-window: " << e.what() << "\n";
        return 1;
    }
}
