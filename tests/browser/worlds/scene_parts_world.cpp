// Writes scene_parts.wrl: the four shared scene parts under one root Transform, as a graph puts
// them together. The title "Atrium" stands in yellow on a plain dark blue background, seen
// from a viewpoint straight in front of it and lit by a point light with the headlight off.
//
//   scene_parts_world OUTPUT_FOLDER
//
// Exit status: 0 when the world was written, 1 when it could not be, 2 on a usage error.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>

#include "atrium/background_info.hpp"
#include "atrium/light_collection.hpp"
#include "atrium/proto_path.hpp"
#include "atrium/text_info.hpp"
#include "atrium/viewpoint_collection.hpp"
#include "holvane/routes.hpp"
#include "holvane/traverser.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argc > 0 ? argv[0] : "scene_parts_world");
        return 2;
    }
    try {
        atrium::BackgroundInfo background;
        background.SetBackgroundColor(0x803010);  // red 0x10, green 0x30, blue 0x80

        atrium::TextInfo title;
        title.SetText("  Atrium  ");
        title.SetTextColor(0x00D0FF);  // yellow-orange
        title.SetTextFont(atrium::VRMLFontFamily::VRML_SANS);
        title.SetTextStyle(atrium::VRMLFontStyle::VRML_BOLD);
        title.SetTextHeight(1.5f);
        title.RootTransform()->TranslationField()->SetValues(0, 1, 0);

        atrium::ViewpointCollection viewpoints;
        auto front = viewpoints.AddViewpoint();
        front->DescriptionField()->SetValue("Title");
        front->PositionField()->SetValues(0, 1.5, 8);
        auto side = viewpoints.AddViewpoint();
        side->DescriptionField()->SetValue("Side");
        side->PositionField()->SetValues(8, 1.5, 8);
        side->OrientationField()->SetValues(0, 1, 0, 0.785398);

        atrium::LightCollection lights;
        lights.SetUseHeadlight(false);
        lights.AddLightSource()->LocationField()->SetValues(0, 2, 10);

        auto root = atrium::MakeCoreNode<holvane::Transform>();
        auto children = root->ChildrenField();
        children->Add(background.RootNode());
        children->Add(title.RootNode());
        children->Add(viewpoints.RootNode());
        children->Add(lights.RootNode());

        const std::filesystem::path folder = argv[1];
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);  // a failure shows as a failed write
        holvane::RouteCollection routes;
        const auto file = folder / "scene_parts.wrl";
        if (!holvane::VRMLFileTraverser().Write(file, *root, routes)) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            return 1;
        }
        std::printf("%s\n", file.c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
