#pragma once
// One series of an area graph: a filled profile through one height per X cell.
#include <memory>
#include <string>

#include "atrium/scene_root.hpp"
#include "atrium/series_info.hpp"
#include "atrium/series_popup_info.hpp"
#include "holvane/export.hpp"
#include "holvane/graph/series_protos.hpp"
#include "holvane/ui_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// An area series. Tree: root Transform → qrx_ContentToggle (shown) → [qrx_OutlinedAreaSeries,
// the pop-ups' root]. The appearance (with its Material) is shared with the legend entry.
// Validation failures raise holvane::kObjectError and change nothing.
class AreaSeriesInfo : public ISceneRoot, public ISeriesInfo, public IInternalSeriesInfo {
public:
    AreaSeriesInfo();

    // The series' root Transform; the graph moves it at every export.
    std::shared_ptr<holvane::Node> RootNode() const override { return root_; }
    // Depth of the area (depth); 0.5 at first. Also sets the pop-ups' radius to 0.4 x depth and
    // their depth to 1.05 x depth. Fails unless > 0: "Invalid series depth, must be greater than 0".
    float Depth() const;
    void SetDepth(float value);
    // The series' material; the host colours the series through it.
    std::shared_ptr<holvane::Material> Material() const { return material_; }
    // The live heights (height), one per X cell in scene units; the graph never rescales them.
    std::shared_ptr<holvane::MFFloat> Height() const { return area_->HeightField(); }
    // Text of the series' legend entry; empty at first.
    const std::string& LegendText() const { return legendText_; }
    void SetLegendText(std::string value) { legendText_ = std::move(value); }
    // The series' value pop-ups.
    std::shared_ptr<SeriesPopupInfo> PopupProps() const { return popups_; }
    // Whether the series gets a legend entry and a check box; true at first.
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool value) { showInLegend_ = value; }

    std::shared_ptr<holvane::Node> ContentToggle() const override { return toggle_; }
    float Spacing() const override;
    void SetSpacing(float value) override;
    std::int16_t Count() const override;
    void SetCount(std::int16_t value) override;
    std::shared_ptr<holvane::Appearance> Appearance() const override { return appearance_; }

    // The area proto itself.
    std::shared_ptr<holvane::graph::qrx_OutlinedAreaSeries> AreaNode() const { return area_; }

private:
    std::shared_ptr<SeriesPopupInfo> popups_;
    std::shared_ptr<holvane::Transform> root_;
    std::shared_ptr<holvane::qrx_ContentToggle> toggle_;
    std::shared_ptr<holvane::graph::qrx_OutlinedAreaSeries> area_;
    std::shared_ptr<holvane::Appearance> appearance_;
    std::shared_ptr<holvane::Material> material_;
    std::string legendText_;
    bool showInLegend_ = true;
};

}  // namespace atrium
ATRIUM_EXPORT_END
