#pragma once
// What the column and ribbon series share: a series drawn by one of two protos, an outlined and
// a rounded form kept in step, of which the content toggle shows one.
#include <cstdint>
#include <memory>
#include <string>

#include "atrium/scene_root.hpp"
#include "atrium/series_info.hpp"
#include "atrium/series_popup_info.hpp"
#include "holvane/error.hpp"
#include "holvane/graph/series_protos.hpp"
#include "holvane/ui_nodes.hpp"

namespace atrium {

// A series in two forms. Tree: root Transform → qrx_ContentToggle (shown) → [the shown proto,
// the pop-ups' root]. Both protos share one Appearance (with its Material), which is also the
// legend entry's, and always carry the same depth, point count and spacing; the heights are
// the shown proto's and move across when the form changes. Outlined is shown at first.
// Validation failures raise holvane::kObjectError and change nothing.
template <class Outlined, class Rounded>
class StyledSeries : public ISceneRoot, public ISeriesInfo, public IInternalSeriesInfo {
public:
    // The series' root Transform; the graph moves it at every export.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }
    // Depth of both protos (depth); 0.5 at first. Also sets the pop-ups' radius to 0.4 x depth and
    // their depth to 1.05 x depth. Fails unless > 0: "Invalid series depth, must be greater than 0".
    float Depth() const { return outlined_->DepthField()->Value(); }
    void SetDepth(float value);
    // The series' material; the host colours the series through it.
    std::shared_ptr<holvane::Material> Material() const { return material_; }
    // The live heights of the shown proto (height), one per X cell in scene units.
    std::shared_ptr<holvane::MFFloat> Height() const;
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
    float BevelRadius() const { return rounded_->BevelRadiusField()->Value(); }
    void SetBevelRadius(float value);

    std::shared_ptr<holvane::Node> ContentToggle() const override { return toggle_; }
    // Reads the outlined proto's xSpacing; setting sets both protos' and the pop-ups'.
    float Spacing() const override { return outlined_->XSpacingField()->Value(); }
    void SetSpacing(float value) override;
    // Reads the outlined proto's xDimension; setting sets both protos' and the pop-ups'.
    std::int16_t Count() const override;
    void SetCount(std::int16_t value) override;
    std::shared_ptr<holvane::Appearance> Appearance() const override { return appearance_; }

    // The two protos themselves.
    std::shared_ptr<Outlined> OutlinedNode() const { return outlined_; }
    std::shared_ptr<Rounded> RoundedNode() const { return rounded_; }

protected:
    StyledSeries();

    bool IsRounded() const { return rounded_shown_; }
    // Shows the form numbered value, 0 the outlined and 1 the rounded one; other values are
    // ignored. On a change the shown proto leaves the toggle, the other is appended to it and
    // takes over the heights.
    void SetForm(std::int32_t value) {
        if (value == 0 || value == 1) ShowRounded(value == 1);
    }
    // Sets the field that fieldOf picks of both protos to value; fails unless value > 0 with message.
    template <class FieldOf>
    void SetOnBoth(float value, const char* message, FieldOf fieldOf) {
        if (!(value > 0)) holvane::Fail(message);
        ForBoth([&](auto& proto) { fieldOf(proto)->SetValue(value); });
    }
    // Calls f on both protos, outlined first.
    template <class F>
    void ForBoth(F&& f) {
        f(*outlined_);
        f(*rounded_);
    }

private:
    void ShowRounded(bool rounded);

    std::shared_ptr<SeriesPopupInfo> popups_;
    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<Outlined> outlined_;
    std::shared_ptr<Rounded> rounded_;
    std::shared_ptr<holvane::Appearance> appearance_;
    std::shared_ptr<holvane::Material> material_;
    std::shared_ptr<holvane::qrx_ContentToggle> toggle_;
    std::string legendText_;
    bool rounded_shown_ = false;
    bool showInLegend_ = true;
};

}  // namespace atrium
