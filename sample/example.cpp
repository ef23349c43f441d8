// A small world built with the core scene library alone: five lit columns on a floor, a title,
// a viewpoint and a touch sensor. Usage: atrium-example [FOLDER] (default: the current folder).
#include <filesystem>
#include <iostream>

#include "command_line.hpp"
#include "holvane/holvane.hpp"

using namespace holvane;

namespace {

std::shared_ptr<Appearance> Paint(std::int32_t packed) {
    auto material = std::make_shared<Material>();
    material->DiffuseColorField()->SetRGBValue(packed);
    material->SpecularColorField()->SetValues(0.3f, 0.3f, 0.3f);
    auto appearance = std::make_shared<Appearance>();
    appearance->MaterialField()->SetValue(material);
    return appearance;
}

std::shared_ptr<Transform> Place(NodePtr child, float x, float y, float z) {
    auto t = std::make_shared<Transform>();
    t->TranslationField()->SetValues(x, y, z);
    t->ChildrenField()->Add(std::move(child));
    return t;
}

std::shared_ptr<Shape> MakeShape(std::shared_ptr<Appearance> appearance, NodePtr geometry) {
    auto shape = std::make_shared<Shape>();
    shape->AppearanceField()->SetValue(std::move(appearance));
    shape->GeometryField()->SetValue(std::move(geometry));
    return shape;
}

std::shared_ptr<Group> BuildWorld() {
    auto root = std::make_shared<Group>();
    auto background = std::make_shared<Background>();
    background->SkyColorField()->Values() = {{0.12f, 0.14f, 0.2f}};
    root->ChildrenField()->Add(background);

    auto nav = std::make_shared<NavigationInfo>();
    nav->TypeField()->Values() = {"EXAMINE", "ANY"};
    root->ChildrenField()->Add(nav);

    auto view = std::make_shared<Viewpoint>();
    view->PositionField()->SetValues(4.5f, 3.5f, 12);
    view->OrientationField()->SetEulerValues(-0.2f, 0, 0);
    view->DescriptionField()->SetValue("Initial viewpoint");
    root->ChildrenField()->Add(view);

    auto sun = std::make_shared<DirectionalLight>();
    sun->DirectionField()->SetValues(-0.4f, -1, -0.6f);
    root->ChildrenField()->Add(sun);

    auto floor = std::make_shared<Box>();
    floor->SizeField()->SetValues(10, 0.1f, 3);
    root->ChildrenField()->Add(Place(MakeShape(Paint(0x808080), floor), 4.5f, -0.05f, 0));

    // Columns share one appearance per colour; the writer defines it once and uses it again.
    const float heights[] = {1.5f, 3, 2.25f, 4, 2.75f};
    auto warm = Paint(0x2060E0), cool = Paint(0xD08020);
    for (int i = 0; i < 5; ++i) {
        auto column = std::make_shared<Box>();
        column->SizeField()->SetValues(1, heights[i], 1);
        root->ChildrenField()->Add(
            Place(MakeShape(i % 2 ? cool : warm, column), 1.0f + 2.0f * static_cast<float>(i), heights[i] / 2, 0));
    }

    auto font = std::make_shared<FontStyle>();
    font->JustifyField()->Values() = {"MIDDLE"};
    font->FamilyField()->Values() = {"SANS"};
    auto title = std::make_shared<Text>();
    title->StringField()->Add("Core library example");
    title->FontStyleField()->SetValue(font);
    root->ChildrenField()->Add(Place(MakeShape(Paint(0xFFFFFF), title), 4.5f, 5, 0));

    auto touch = std::make_shared<TouchSensor>();
    touch->SetDEFName("COLUMN_TOUCH");
    root->ChildrenField()->Add(touch);
    return root;
}

}  // namespace

int main(int argc, char** argv) {
    const atrium_cli::ProgramUsage usage("atrium-example",
                                         "usage: atrium-example [FOLDER]\n"
                                         "Writes example.wrl, a world of standard nodes only, into FOLDER (default:\n"
                                         "the current folder).\n");
    auto parsed = usage.Parse(argc, argv, {});
    if (const int* status = std::get_if<int>(&parsed)) return *status;
    const std::vector<std::string>& operands = std::get<atrium_cli::CommandLine>(parsed).operands;
    if (operands.size() > 1) return usage.Refuse("one folder at most, not \"" + operands[1] + "\" too");
    const std::filesystem::path folder = operands.empty() ? "." : operands.front();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    std::filesystem::path file = folder / "example.wrl";
    try {
        RouteCollection routes;
        if (!VRMLFileTraverser().Write(file, *BuildWorld(), routes)) {
            std::cerr << "Could not write " << file.string() << "\n";
            return 1;
        }
    } catch (const Error& e) {
        std::cerr << "Could not write " << file.string() << ": " << e.what() << "\n";
        return 1;
    }
    std::cout << "Created file " << file.string() << "\n";
    return 0;
}
