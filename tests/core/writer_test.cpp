// The writers: world layout, indentation, the two string flags, DEF/USE, escaping, refusals,
// routes, and atomic file replacement.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <thread>
#include <vector>

#include "holvane/holvane.hpp"
#include "vrml_reader.hpp"

using namespace holvane;
namespace fs = std::filesystem;

namespace {

std::string Write(Node& root, const RouteCollection& routes = {}, bool breaks = true, bool tabs = true) {
    VRMLStringTraverser writer;
    writer.SetIncludeLineBreaks(breaks);
    writer.SetIncludeTabs(tabs);
    return writer.Write(root, routes);
}

// A Transform at (1, 2, 3) holding a red box.
std::shared_ptr<Transform> RedBox() {
    auto t = std::make_shared<Transform>();
    t->TranslationField()->SetValues(1, 2, 3);
    auto shape = std::make_shared<Shape>();
    auto app = std::make_shared<Appearance>();
    auto mat = std::make_shared<Material>();
    mat->DiffuseColorField()->SetRGBValue(0x0000FF);
    app->MaterialField()->SetValue(mat);
    shape->AppearanceField()->SetValue(app);
    shape->GeometryField()->SetValue(std::make_shared<Box>());
    t->ChildrenField()->Add(shape);
    return t;
}

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class TempDir {
public:
    TempDir() : path_(fs::temp_directory_path() / ("holvane_" + std::to_string(::getpid()) + "_" + std::to_string(n_++))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() {
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(path_);
    }
    const fs::path& path() const { return path_; }
    std::size_t FileCount() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(path_), {})); }

private:
    static inline int n_ = 0;
    fs::path path_;
};

}  // namespace

TEST(Writer, WritesHeaderTreeWithTabsAndSingleLineFields) {
    auto root = RedBox();
    EXPECT_EQ(Write(*root),
              "#VRML V2.0 utf8\n"
              "\n"
              "Transform {\n"
              "\tchildren [\n"
              "\t\tShape {\n"
              "\t\t\tappearance Appearance {\n"
              "\t\t\t\tmaterial Material {\n"
              "\t\t\t\t\tdiffuseColor 1 0 0\n"
              "\t\t\t\t}\n"
              "\t\t\t}\n"
              "\t\t\tgeometry Box {\n"
              "\t\t\t}\n"
              "\t\t}\n"
              "\t]\n"
              "\ttranslation 1 2 3\n"
              "}\n");
}

TEST(Writer, FlagsDropLineBreaksAndTabs) {
    auto root = std::make_shared<Group>();
    root->ChildrenField()->Add(std::make_shared<Group>());
    EXPECT_EQ(Write(*root, {}, true, false), "#VRML V2.0 utf8\n\nGroup {\nchildren [\nGroup {\n}\n]\n}\n");
    // The header line ends with a line break in every mode (else the world would be one comment);
    // it is the only one with line breaks off.
    EXPECT_EQ(Write(*root, {}, false, true), "#VRML V2.0 utf8\nGroup { \tchildren [ \t\tGroup { \t\t} \t] }");
    std::string flat = Write(*RedBox(), {}, false, false);
    EXPECT_EQ(flat.find('\n'), 15u);
    EXPECT_EQ(flat.rfind('\n'), 15u);
    EXPECT_EQ(flat.find('\t'), std::string::npos);
    EXPECT_EQ(vrml_reader::Read(flat).nodes.size(), 1u);
    // A proto without source file is declared by a comment line, which must end too.
    root->ChildrenField()->Add(std::make_shared<qrx_CheckBox>());
    flat = Write(*root, {}, false, true);
    EXPECT_EQ(std::count(flat.begin(), flat.end(), '\n'), 2) << flat;
    EXPECT_NE(flat.find("NODE !\n"), std::string::npos) << flat;
    EXPECT_EQ(vrml_reader::Read(flat).nodes.size(), 1u);
}

TEST(Writer, TabsOffAlsoDropsTabsThatNodesWriteThemselves) {
    auto toggle = std::make_shared<qrx_ContentToggle>();
    auto root = std::make_shared<Group>();
    root->ChildrenField()->Add(toggle);
    toggle->ChildrenField()->Add(std::make_shared<Group>());
    std::string text = Write(*root, {}, true, false);
    EXPECT_EQ(text.find('\t'), std::string::npos);
    EXPECT_NE(text.find("\nqrx_ContentToggle { \nchildren [\nGroup {\n}\n]\n}\n"), std::string::npos) << text;
}

TEST(Writer, ANodeMetTwiceIsDefinedOnceThenUsed) {
    auto app = std::make_shared<Appearance>();
    app->MaterialField()->SetValue(std::make_shared<Material>());
    auto root = std::make_shared<Group>();
    for (int i = 0; i < 2; ++i) {
        auto shape = std::make_shared<Shape>();
        shape->AppearanceField()->SetValue(app);
        root->ChildrenField()->Add(shape);
    }
    std::string text = Write(*root);
    EXPECT_NE(text.find("appearance DEF Appearance_1 Appearance {"), std::string::npos) << text;
    EXPECT_NE(text.find("appearance USE Appearance_1\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Material_"), std::string::npos) << "a node inside a shared node is not shared itself";
    auto world = vrml_reader::Read(text);
    EXPECT_EQ(world.defs.count("Appearance_1"), 1u);

    // A node's own name is kept; a second node with the same name gets a suffix; generated
    // names avoid the names in use.
    app->SetDEFName("Appearance_1");
    auto other = std::make_shared<Shape>();
    auto twin = std::make_shared<Appearance>();
    twin->SetDEFName("Appearance_1");
    other->AppearanceField()->SetValue(twin);
    root->ChildrenField()->Add(other);
    text = Write(*root);
    EXPECT_NE(text.find("DEF Appearance_1 Appearance"), std::string::npos);
    EXPECT_NE(text.find("DEF Appearance_1_2 Appearance"), std::string::npos);
    EXPECT_EQ(Write(*root), text) << "repeated writes give the same text";
}

TEST(Writer, StringsAreEscapedAndReadBackUnchanged) {
    auto text = std::make_shared<Text>();
    const std::vector<std::string> strings = {"say \"hi\"", "C:\\dir\\", "two\nlines", "Grüße ∑ 漢字", ""};
    for (const auto& s : strings) text->StringField()->Add(s);
    auto world = vrml_reader::Read(Write(*text));
    EXPECT_EQ(world.nodes.at(0)->At("string").tokens, strings);
}

TEST(Writer, NonFiniteValuesAreRefusedNamingNodeAndField) {
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};
    for (float value : bad) {
        auto root = RedBox();
        root->TranslationField()->SetY(value);
        try {
            Write(*root);
            ADD_FAILURE();
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot write Transform.translation: the value is not finite (NaN or infinity)");
        }
    }
    auto root = std::make_shared<Group>();
    auto height = std::make_shared<CoordinateInterpolator>();
    height->KeyField()->Values() = {0, std::numeric_limits<float>::quiet_NaN()};
    root->ChildrenField()->Add(height);
    EXPECT_THROW(Write(*root), Error);
    auto time = std::make_shared<TimeSensor>();
    time->CycleIntervalField()->SetValue(std::numeric_limits<double>::infinity());
    EXPECT_THROW(Write(*time), Error);
}

TEST(Writer, RoutesAreWrittenAfterTheTreeAndNameTheirNodes) {
    auto root = std::make_shared<Group>();
    auto touch = std::make_shared<TouchSensor>();
    touch->SetDEFName("TOUCH");
    auto box = std::make_shared<qrx_CheckBox>();
    auto toggle = std::make_shared<qrx_ContentToggle>();
    root->ChildrenField()->Add(touch);
    root->ChildrenField()->Add(box);
    root->ChildrenField()->Add(toggle);
    RouteCollection routes;
    routes.Add(box, "value_changed", toggle, "set_contentsExist");
    routes.Add(touch, "isActive", toggle, "set_contentsExist");
    std::string text = Write(*root, routes);
    EXPECT_TRUE(text.ends_with("ROUTE qrx_CheckBox_1.value_changed TO qrx_ContentToggle_1.set_contentsExist\n"
                               "ROUTE TOUCH.isActive TO qrx_ContentToggle_1.set_contentsExist\n"))
        << text;
    auto world = vrml_reader::Read(text);
    ASSERT_EQ(world.routes.size(), 2u);
    EXPECT_EQ(world.defs.at("qrx_CheckBox_1")->type, "qrx_CheckBox");
}

TEST(Writer, BadRoutesFailTheWriteWithAClearError) {
    auto root = std::make_shared<Group>();
    auto touch = std::make_shared<TouchSensor>();
    touch->SetDEFName("TOUCH");
    auto light = std::make_shared<PointLight>();
    light->SetDEFName("LAMP");
    root->ChildrenField()->Add(touch);
    root->ChildrenField()->Add(light);
    auto outside = std::make_shared<PointLight>();
    outside->SetDEFName("ELSEWHERE");
    const std::pair<Route, std::string> cases[] = {
        {{touch, "isActive", outside, "set_on"}, "ROUTE TOUCH.isActive TO ELSEWHERE.set_on: the node ELSEWHERE is not in the world"},
        {{touch, "isactive", light, "set_on"}, "ROUTE TOUCH.isactive TO LAMP.set_on: TouchSensor has no eventOut \"isactive\""},
        {{touch, "isActive", light, "set_radius"}, "ROUTE TOUCH.isActive TO LAMP.set_radius: an SFBool eventOut cannot be routed to an SFFloat eventIn"},
        {{touch, "isActive", nullptr, "set_on"}, "ROUTE TOUCH.isActive TO NULL.set_on: the node NULL is not in the world"},
    };
    for (const auto& [route, message] : cases) {
        RouteCollection routes;
        routes.Add(route.fromNode, route.eventOut, route.toNode, route.eventIn);
        try {
            Write(*root, routes);
            ADD_FAILURE() << message;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

TEST(Writer, ProtosAreDeclaredOnceBeforeAnyNode) {
    auto root = std::make_shared<Group>();
    for (int i = 0; i < 3; ++i) {
        auto box = std::make_shared<qrx_CheckBox>();
        box->SetSourceFile(i == 0 ? "..\\protos\\HV_UI.wrl" : "other.wrl");
        root->ChildrenField()->Add(box);
    }
    std::string text = Write(*root);
    EXPECT_EQ(text.find("EXTERNPROTO qrx_CheckBox ["), text.rfind("EXTERNPROTO qrx_CheckBox ["));
    EXPECT_NE(text.find("] \"..\\\\protos\\\\HV_UI.wrl#qrx_CheckBox\"\n\nGroup {"), std::string::npos) << text;
    auto world = vrml_reader::Read(text);
    ASSERT_EQ(world.externProtos.size(), 1u);
    EXPECT_EQ(world.externProtos[0].urls, std::vector<std::string>{"..\\protos\\HV_UI.wrl#qrx_CheckBox"});
}

TEST(FileWriter, ReplacesTheTargetAtomicallyAndReportsFailure) {
    TempDir dir;
    fs::path target = dir.path() / "world.wrl";
    {
        std::ofstream(target) << "old";
    }
    auto root = RedBox();
    RouteCollection routes;
    VRMLFileTraverser writer;
    ASSERT_TRUE(writer.Write(target, *root, routes));
    EXPECT_EQ(ReadFile(target), Write(*root));
    EXPECT_EQ(dir.FileCount(), 1u) << "no temporary file is left behind";
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::others_read, fs::perms::others_read);

    // A world that cannot be written leaves the old file as it was.
    root->TranslationField()->SetX(std::numeric_limits<float>::quiet_NaN());
    EXPECT_THROW(writer.Write(target, *root, routes), Error);
    root->TranslationField()->SetX(0);
    EXPECT_EQ(ReadFile(target), Write(*RedBox()));

    // Missing folders and unwritable folders give false and leave nothing behind.
    EXPECT_FALSE(writer.Write(dir.path() / "missing" / "world.wrl", *root, routes));
    EXPECT_FALSE(writer.Write(dir.path(), *root, routes)) << "a folder cannot be replaced by a file";
    EXPECT_EQ(dir.FileCount(), 1u);
    if (::geteuid() != 0) {
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(writer.Write(target, *root, routes));
        fs::permissions(dir.path(), fs::perms::owner_all);
    }
    EXPECT_EQ(ReadFile(target), Write(*RedBox()));
}

TEST(Writer, DepthThatDoesNotFitRaisesOverflowAfterTheFirstLine) {
    struct Probe : Traverser {
        TextOut out;
        Probe() { Attach(&out); }
    };
    qrx_Slider slider;
    Probe probe;
    EXPECT_NO_THROW(slider.Traverse(probe, 32767)) << "nothing to write at depth 32768";
    slider.LengthField()->SetValue(2);
    probe.out.buffer().clear();
    try {
        slider.Traverse(probe, 32767);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), kOverflow);
    }
    EXPECT_EQ(probe.out.buffer(), std::string(32767, '\t') + "qrx_Slider { \n");
}

TEST(FileWriter, LongNamesModesAndLinksSurviveTheReplacement) {
    TempDir dir;
    auto root = RedBox();
    RouteCollection routes;
    VRMLFileTraverser writer;
    const std::string world = Write(*root);

    // The longest legal name: its temporary file beside it must fit the limit too.
    const fs::path longName = dir.path() / (std::string(250, 'w') + ".wrl");
    ASSERT_TRUE(writer.Write(longName, *root, routes));
    EXPECT_EQ(ReadFile(longName), world);
    ASSERT_TRUE(writer.Write(longName, *root, routes)) << "replacing it works as well";

    // An existing file keeps its permission bits, whatever the umask.
    const fs::path secret = dir.path() / "secret.wrl";
    for (auto mode : {fs::perms::owner_read | fs::perms::owner_write, fs::perms::all}) {
        std::ofstream(secret) << "old";
        fs::permissions(secret, mode);
        ASSERT_TRUE(writer.Write(secret, *root, routes));
        EXPECT_EQ(fs::status(secret).permissions(), mode);
    }

    // A symbolic link (relative, through a second link) is written through to its target.
    const fs::path target = dir.path() / "target.wrl";
    std::ofstream(target) << "old";
    fs::create_symlink("target.wrl", dir.path() / "inner.wrl");
    fs::create_symlink(dir.path() / "inner.wrl", dir.path() / "outer.wrl");
    ASSERT_TRUE(writer.Write(dir.path() / "outer.wrl", *root, routes));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "outer.wrl"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "inner.wrl"));
    EXPECT_EQ(ReadFile(target), world);
    EXPECT_EQ(dir.FileCount(), 5u) << "no temporary file is left behind";
}

TEST(FileWriter, NewFilesGetTheUmaskOnEveryThreadAndTheUmaskStaysAsItWas) {
    // Threads replacing files at once must each see the process's umask, and leave it unchanged.
    struct Case {
        mode_t umask;
        fs::perms mode;
        int threads;
    } cases[] = {
        {022, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read, 8},
        {027, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read, 1},
    };
    constexpr int kFilesPerThread = 300;
    for (const Case& c : cases) {
        TempDir dir;
        const mode_t before = ::umask(c.umask);
        std::vector<std::thread> threads;
        for (int t = 0; t < c.threads; ++t)
            threads.emplace_back([&dir, t] {
                auto root = RedBox();
                RouteCollection routes;
                VRMLFileTraverser writer;
                for (int k = 0; k < kFilesPerThread; ++k)
                    writer.Write(dir.path() / (std::to_string(t) + "_" + std::to_string(k) + ".wrl"), *root, routes);
            });
        for (auto& thread : threads) thread.join();
        const mode_t after = ::umask(before);
        EXPECT_EQ(after, c.umask) << "the umask is left as it was";
        std::size_t files = 0, right = 0;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            ++files;
            right += entry.status().permissions() == c.mode ? 1 : 0;
        }
        EXPECT_EQ(files, static_cast<std::size_t>(c.threads * kFilesPerThread));
        EXPECT_EQ(right, files) << "files with mode 0666 less umask " << std::oct << c.umask;
    }
}
