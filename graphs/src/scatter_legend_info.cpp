#include "atrium/scatter_legend_info.hpp"

#include "atrium/proto_path.hpp"

namespace atrium {

ScatterLegendInfo::ScatterLegendInfo() : legend_(std::make_shared<LegendInfo>()) { legend_->SetUseSeriesToggle(false); }

void ScatterLegendInfo::AddLegendEntry(std::int32_t newColor, std::string newText) {
    auto material = MakeCoreNode<holvane::Material>();
    material->DiffuseColorField()->SetRGBValue(newColor);
    auto appearance = MakeCoreNode<holvane::Appearance>();
    appearance->MaterialField()->SetValue(material);
    legend_->AddLegendEntry(std::move(appearance), std::move(newText));
}

}  // namespace atrium
