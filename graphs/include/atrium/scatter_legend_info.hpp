#pragma once
// The scatter graph's legend, whose entries the host adds by colour and text.
#include <cstdint>
#include <memory>
#include <string>

#include "atrium/legend_info.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A LegendInfo without check boxes; each entry is a colour key and a text.
class ScatterLegendInfo final : public ISceneRoot {
public:
    ScatterLegendInfo();

    // The wrapped legend's root; the same node on every call.
    std::shared_ptr<holvane::Node> RootNode() const override { return legend_->RootNode(); }
    // The wrapped legend, which the graph places at export.
    LegendInfo& Legend() const { return *legend_; }

    LegendKeyStyle KeyStyle() const { return legend_->KeyStyle(); }
    void SetKeyStyle(LegendKeyStyle value) { legend_->SetKeyStyle(value); }
    bool IsBillboarded() const { return legend_->IsBillboarded(); }
    void SetIsBillboarded(bool value) { legend_->SetIsBillboarded(value); }
    float TextHeight() const { return legend_->TextHeight(); }
    void SetTextHeight(float value) { legend_->SetTextHeight(value); }
    std::int32_t TextColor() const { return legend_->TextColor(); }
    void SetTextColor(std::int32_t value) { legend_->SetTextColor(value); }

    // Adds an entry whose key has a new Material of diffuseColor newColor (0x00BBGGRR).
    void AddLegendEntry(std::int32_t newColor, std::string newText);
    // Removes every entry.
    void ClearLegend() { legend_->ClearLegend(); }

private:
    std::shared_ptr<LegendInfo> legend_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
