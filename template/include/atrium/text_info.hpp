#pragma once
// A single line of 3-D text: a graph's title, and any other styled text of a scene.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "atrium/enums.hpp"
#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A line of text under a Transform, optionally turned to face the viewer by a Billboard.
// Its nodes are made once, through the core factory, and changed in place by the properties.
// The text is centred on the origin of its Transform (justify "MIDDLE").
class TextInfo : public ISceneRoot {
public:
    TextInfo();

    // The Transform holding the text, which the owner places.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }
    // The same Transform, typed.
    const std::shared_ptr<holvane::Transform>& RootTransform() const { return root_; }

    // The text; empty at first.
    std::string Text() const;
    // Sets the text, trimmed of leading and trailing spaces.
    void SetText(std::string_view text);

    // The packed 0x00BBGGRR colour of the text; white at first.
    std::int32_t TextColor() const;
    void SetTextColor(std::int32_t color);

    // The font family; VRML_SERIF at first, and for any family name other than the three known.
    VRMLFontFamily TextFont() const;
    // Sets the font family; a value outside the enumeration is ignored.
    void SetTextFont(VRMLFontFamily font);

    // The font style; VRML_BOLD for "BOLD", VRML_PLAIN for anything else.
    VRMLFontStyle TextStyle() const;
    // Sets the font style; a value outside the enumeration is ignored.
    void SetTextStyle(VRMLFontStyle style);

    // The height of the text in scene units; 1 at first.
    float TextHeight() const;
    // Sets the height; holvane::Error (kObjectError) "Invalid Text height, must be greater
    // than 0" when height is not greater than 0, leaving the height unchanged.
    void SetTextHeight(float height);

    // True when the text turns to face the viewer; false at first.
    bool IsBillboarded() const { return billboarded_; }
    void SetIsBillboarded(bool billboarded);

private:
    void BuildTree();

    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::Billboard> billboard_;
    std::shared_ptr<holvane::Shape> shape_;
    std::shared_ptr<holvane::Text> text_;
    std::shared_ptr<holvane::FontStyle> fontStyle_;
    std::shared_ptr<holvane::Appearance> appearance_;
    std::shared_ptr<holvane::Material> material_;
    bool billboarded_ = false;
};

}  // namespace atrium
ATRIUM_EXPORT_END
