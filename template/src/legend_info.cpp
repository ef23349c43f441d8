#include "atrium/legend_info.hpp"

#include <algorithm>
#include <utility>
#include <vector>

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"

namespace atrium {

LegendInfo::LegendInfo()
    : toggles_(std::make_shared<SeriesToggleInfo>()),
      root_(MakeGraphNode<holvane::Transform>()),
      inner_(MakeGraphNode<holvane::Transform>()),
      billboard_(MakeGraphNode<holvane::Billboard>()),
      legend_(MakeGraphNode<holvane::graph::qrx_Legend>()) {
    inner_->ChildrenField()->Add(legend_);
    root_->ChildrenField()->Add(inner_);
    toggles_->SetSpacing(legend_->TextGapField()->Value());
}

LegendKeyStyle LegendInfo::KeyStyle() const {
    return FromVRMLString<LegendKeyStyle>(legend_->KeyStyleField()->Value());
}
void LegendInfo::SetKeyStyle(LegendKeyStyle value) {
    if (!IsValid(value)) return;
    legend_->KeyStyleField()->SetValue(std::string(VRMLString(value)));
}

void LegendInfo::SetIsBillboarded(bool value) {
    if (value == billboarded_) return;
    billboarded_ = value;
    root_->ChildrenField()->Clear();
    billboard_->ChildrenField()->Clear();
    if (value) root_->ChildrenField()->Add(billboard_);
    auto children = HolderChildren();
    children->Add(inner_);
    if (useToggles_) children->Add(toggles_->RootNode());
}

float LegendInfo::TextHeight() const { return legend_->TextHeightField()->Value(); }
void LegendInfo::SetTextHeight(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid legend text height, must be greater than 0");
    const auto gap = static_cast<float>(static_cast<double>(value) * 0.35);
    // The column takes a positive gap only: check it before the legend changes.
    if (!(gap > 0.0f)) holvane::Fail("Invalid legend text height, must be greater than 0");
    legend_->TextHeightField()->SetValue(value);
    legend_->TextGapField()->SetValue(gap);
    toggles_->SetSpacing(gap);
    toggles_->SetHeight(value);
    if (useToggles_)
        inner_->TranslationField()->SetX(static_cast<float>(static_cast<double>(toggles_->Height()) * 1.1));
}

std::int32_t LegendInfo::TextColor() const { return legend_->TextColorField()->RGBValue(); }
void LegendInfo::SetTextColor(std::int32_t value) { legend_->TextColorField()->SetRGBValue(value); }

void LegendInfo::SetUseSeriesToggle(bool value) {
    if (value == useToggles_) return;
    useToggles_ = value;
    if (value) {
        HolderChildren()->Add(toggles_->RootNode());
        inner_->TranslationField()->SetX(static_cast<float>(static_cast<double>(toggles_->Height()) * 1.1));
    } else {
        HolderChildren()->RemoveNode(toggles_->RootNode());
        inner_->TranslationField()->SetX(0.0f);
    }
}

void LegendInfo::AddLegendEntry(std::shared_ptr<holvane::Appearance> newApp, std::string newText) {
    if (!newApp) throw holvane::Error(holvane::kInvalidArgument, "Invalid legend entry, the appearance is missing");
    // The box first: it is the only step that can fail, so a failure leaves the legend as it was.
    toggles_->AddCheckBox();
    if (batches_ > 0) {
        legend_->AppearancesField()->Add(std::move(newApp));
        legend_->DescriptionsField()->Add(std::move(newText));
        return;
    }
    legend_->AppearancesField()->InsertBefore(1, std::move(newApp));
    legend_->DescriptionsField()->InsertBefore(1, std::move(newText));
}

void LegendInfo::ClearLegend() {
    legend_->DescriptionsField()->Clear();
    legend_->AppearancesField()->Clear();
    toggles_->ClearCheckBoxes();
    batchStart_ = 0;
}

namespace {

// Moves the values appended after the first `start` to the front, the last appended first.
template <class V>
void LatestFirst(std::vector<V>& values, std::size_t start) {
    const auto begin = values.begin() + static_cast<std::ptrdiff_t>(std::min(start, values.size()));
    std::reverse(begin, values.end());
    std::rotate(values.begin(), begin, values.end());
}

}  // namespace

LegendInfo::EntryBatch::EntryBatch(LegendInfo& legend) : legend_(legend), layout_(*legend.toggles_) {
    if (legend_.batches_++ == 0) legend_.batchStart_ = legend_.legend_->AppearancesField()->size();
}

LegendInfo::EntryBatch::~EntryBatch() {
    if (--legend_.batches_ > 0) return;
    LatestFirst(legend_.legend_->AppearancesField()->Values(), legend_.batchStart_);
    LatestFirst(legend_.legend_->DescriptionsField()->Values(), legend_.batchStart_);
}

std::shared_ptr<holvane::qrx_CheckBox> LegendInfo::Get1CheckBox(std::int16_t index) const {
    return toggles_->Get1CheckBox(index);
}

std::shared_ptr<holvane::MFNode> LegendInfo::HolderChildren() const {
    return billboarded_ ? billboard_->ChildrenField() : root_->ChildrenField();
}

void PlaceLegend(const GridInfo& grid, LegendInfo& legend) {
    auto translation = legend.RootTransform()->TranslationField();
    translation->SetX(static_cast<float>(static_cast<double>(grid.Width()) * 1.1));
    translation->SetY(static_cast<float>(static_cast<double>(grid.Height()) * 0.1));
}

void EnterInLegend(LegendInfo& legend, std::shared_ptr<holvane::Appearance> appearance, std::string text,
                   const std::shared_ptr<holvane::Node>& contentToggle, std::string toggleDEFName,
                   holvane::RouteCollection& routes) {
    const bool toggled = legend.UseSeriesToggle();
    if (toggled && !contentToggle)
        throw holvane::Error(holvane::kInvalidArgument, "Invalid legend entry, the content toggle is missing");
    legend.AddLegendEntry(std::move(appearance), std::move(text));
    if (!toggled) return;
    contentToggle->SetDEFName(std::move(toggleDEFName));
    routes.Add(legend.Get1CheckBox(legend.SeriesToggles()->Count()), "value_changed", contentToggle,
               "set_contentsExist");
}

}  // namespace atrium
