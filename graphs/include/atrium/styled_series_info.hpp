#pragma once
// What the column and ribbon series share: a series drawn by one of two protos, an outlined and
// a rounded form kept in step, of which the content toggle shows one.
#include <cstdint>
#include <memory>
#include <string>

#include "atrium/scene_root.hpp"
#include "atrium/series_info.hpp"
#include "atrium/series_popup_info.hpp"
#include "holvane/export.hpp"
#include "holvane/fields.hpp"
#include "holvane/proto_node.hpp"
#include "holvane/ui_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A series in two forms. Tree: root Transform → qrx_ContentToggle (shown) → [the shown proto,
// the pop-ups' root]. Both protos share one Appearance (with its Material), which is also the
// legend entry's, and always carry the same depth, point count, spacing and size (a column's
// width, a ribbon's thickness); the heights are the shown proto's and move across when the
// form changes. Outlined is shown at first. Validation failures raise holvane::kObjectError
// and change nothing.
class StyledSeriesInfo : public ISceneRoot, public ISeriesInfo, public IInternalSeriesInfo {
public:
    ~StyledSeriesInfo() override;

    // The series' root Transform; the graph moves it at every export.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }
    // Depth of both protos (depth); 0.5 at first. Also sets the pop-ups' radius to 0.4 x depth and
    // their depth to 1.05 x depth. Fails unless > 0: "Invalid series depth, must be greater than 0".
    float Depth() const { return outlined_.depth->Value(); }
    void SetDepth(float value);
    // The series' material; the host colours the series through it.
    std::shared_ptr<holvane::Material> Material() const { return material_; }
    // The live heights of the shown proto (height), one per X cell in scene units.
    std::shared_ptr<holvane::MFFloat> Height() const { return Shown().height; }
    // Text of the series' legend entry; empty at first.
    const std::string& LegendText() const { return legendText_; }
    void SetLegendText(std::string value) { legendText_ = std::move(value); }
    // The series' value pop-ups.
    std::shared_ptr<SeriesPopupInfo> PopupProps() const { return popups_; }
    // Whether the series gets a legend entry and a check box; true at first.
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool value) { showInLegend_ = value; }
    // The rounded proto's bevelRadius, kept while the outlined form is shown; 0.1 at first.
    // Fails unless > 0: "Invalid bevel radius, must be greater than 0".
    float BevelRadius() const { return rounded_.bevelRadius->Value(); }
    void SetBevelRadius(float value);

    std::shared_ptr<holvane::Node> ContentToggle() const override { return toggle_; }
    // Reads the outlined proto's xSpacing; setting sets both protos' and the pop-ups'.
    float Spacing() const override { return outlined_.xSpacing->Value(); }
    void SetSpacing(float value) override;
    // Reads the outlined proto's xDimension; setting sets both protos' and the pop-ups'.
    std::int16_t Count() const override { return static_cast<std::int16_t>(outlined_.xDimension->Value()); }
    void SetCount(std::int16_t value) override;
    std::shared_ptr<holvane::Appearance> Appearance() const override { return appearance_; }

protected:
    // One form: its proto and the fields both forms have.
    struct Form {
        std::shared_ptr<holvane::ProtoNode> proto;
        std::shared_ptr<holvane::SFFloat> depth;
        std::shared_ptr<holvane::SFFloat> xSpacing;
        std::shared_ptr<holvane::SFInt32> xDimension;
        std::shared_ptr<holvane::MFFloat> height;
        std::shared_ptr<holvane::SFFloat> size;         // width of a column, thickness of a ribbon
        std::shared_ptr<holvane::SFFloat> bevelRadius;  // the rounded form's only
    };
    // The form of proto, whose size field the accessor size gives.
    template <class Proto>
    static Form FormOf(const std::shared_ptr<Proto>& proto, std::shared_ptr<holvane::SFFloat> (Proto::*size)() const) {
        Form form{proto, proto->DepthField(), proto->XSpacingField(), proto->XDimensionField(), proto->HeightField(),
                  ((*proto).*size)(), nullptr};
        if constexpr (requires { proto->BevelRadiusField(); }) form.bevelRadius = proto->BevelRadiusField();
        return form;
    }
    // Builds the tree around the two forms; the protos still need the appearance attached.
    StyledSeriesInfo(Form outlined, Form rounded);

    bool IsRounded() const { return rounded_shown_; }
    // Shows the form numbered value, 0 the outlined and 1 the rounded one; other values are
    // ignored. On a change the shown proto leaves the toggle, the other is appended to it and
    // takes over the heights.
    void SetForm(std::int32_t value);
    // The size of both protos; setting fails unless value > 0 with message.
    float Size() const { return outlined_.size->Value(); }
    void SetSize(float value, const char* message);
    const Form& Outlined() const { return outlined_; }
    const Form& Rounded() const { return rounded_; }

private:
    const Form& Shown() const { return rounded_shown_ ? rounded_ : outlined_; }
    // Sets the field that member picks of both forms to value; fails unless value > 0 with message.
    void SetOnBoth(std::shared_ptr<holvane::SFFloat> Form::*member, float value, const char* message);

    std::shared_ptr<SeriesPopupInfo> popups_;
    std::shared_ptr<holvane::Transform> root_;
    Form outlined_;
    Form rounded_;
    std::shared_ptr<holvane::Appearance> appearance_;
    std::shared_ptr<holvane::Material> material_;
    std::shared_ptr<holvane::qrx_ContentToggle> toggle_;
    std::string legendText_;
    bool rounded_shown_ = false;
    bool showInLegend_ = true;
};

}  // namespace atrium
ATRIUM_EXPORT_END
