#include "atrium/pie_graph.hpp"

#include <string>
#include <vector>

#include "atrium/proto_path.hpp"
#include "holvane/error.hpp"
#include "scaled.hpp"

namespace atrium {

PieGraph::PieGraph()
    : spinAxis_(std::make_shared<PieSpinAxisInfo>()),
      background_(std::make_shared<BackgroundInfo>()),
      title_(std::make_shared<TextInfo>()),
      legend_(std::make_shared<LegendInfo>()),
      drillUp_(std::make_shared<DrillUpInfo>()),
      viewpoints_(std::make_shared<ViewpointCollection>()),
      lights_(std::make_shared<LightCollection>()) {
    CreateRoot();
    sliceHolder_ = MakeCoreNode<holvane::Transform>();
    drillUpHolder_ = MakeCoreNode<holvane::Transform>();
    auto& children = *Root().ChildrenField();
    for (const ISceneRoot* part : std::initializer_list<const ISceneRoot*>{
             spinAxis_.get(), background_.get(), title_.get(), legend_.get(), viewpoints_.get(), lights_.get()})
        children.Add(part->RootNode());
    children.Add(sliceHolder_);
    children.Add(drillUpHolder_);
}

std::shared_ptr<PieSliceInfo> PieGraph::GetSlice(std::int16_t index) const {
    if (index < 1 || index > slices_.Count())
        holvane::Fail("Invalid slice index, slice count = " + std::to_string(slices_.Count()));
    return slices_.Get1Series(index);
}

void PieGraph::SetSliceCount(std::int16_t value) {
    // The first removal of a negative count fails on its position before anything goes.
    while (slices_.Count() > value) slices_.RemoveSeries(static_cast<std::int16_t>(value + 1));
    // New slices are made in full before any joins, so a failure adds none.
    std::vector<std::shared_ptr<PieSliceInfo>> added;
    for (std::int16_t n = slices_.Count(); n < value; ++n) {
        auto slice = std::make_shared<PieSliceInfo>();
        slice->SetRadius(radius_);
        slice->SetInnerRadius(innerRadius_);
        slice->SetBevelRadius(bevelRadius_);
        added.push_back(std::move(slice));
    }
    for (auto& slice : added) slices_.AddSeries(std::move(slice));
}

void PieGraph::SetRadius(float value) {
    PieSliceInfo::CheckRadius(value);
    radius_ = value;
    for (const auto& slice : slices_.Items()) slice->SetRadius(value);
}

void PieGraph::SetInnerRadius(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid inner radius, must be greater than 0");
    innerRadius_ = value;
    for (const auto& slice : slices_.Items()) slice->SetInnerRadius(value);
}

void PieGraph::SetBevelRadius(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid bevel radius, must be greater than 0");
    bevelRadius_ = value;
    for (const auto& slice : slices_.Items()) slice->SetBevelRadius(value);
}

void PieGraph::SetUseDrillUp(bool value) {
    if (value == useDrillUp_) return;
    useDrillUp_ = value;
    drillUpHolder_->ChildrenField()->Clear();
    if (value) drillUpHolder_->ChildrenField()->Add(drillUp_->RootNode());
}

float PieGraph::TallestSlice() const {
    float tallest = 0.0f;
    for (const auto& slice : slices_.Items())
        if (slice->Height() > tallest) tallest = slice->Height();
    return tallest;
}

void PieGraph::PrepareExport(holvane::RouteCollection& routes) {
    const float h = TallestSlice();
    title_->RootTransform()->TranslationField()->SetY(Scaled(h, 2));
    auto legendAt = legend_->RootTransform()->TranslationField();
    legendAt->SetX(Scaled(radius_, 1.4));
    legendAt->SetY(Scaled(h, 0.2));

    ExportSlices(routes);

    if (UseSpinAxis()) {
        spinAxis_->SetHeight(Scaled(h, 1.4));
        spinAxis_->SetRadius(Scaled(radius_, 0.05));
        spinAxis_->SetColor(title_->TextColor());
        spinAxis_->RootTransform()->TranslationField()->SetY(h / 2);
        sliceHolder_->SetDEFName("PIE_TRANS");
        auto sensor = spinAxis_->CylinderSensorNode();
        sensor->SetDEFName("SPIN_AXIS");
        routes.Add(sensor, "rotation_changed", sliceHolder_, "set_rotation");
    }

    if (useDrillUp_) {
        drillUp_->SetConeRadius(Scaled(radius_, 0.05));
        drillUp_->SetConeHeight(Scaled(radius_, 0.12));
        const double halfCone = drillUp_->ConeHeight() / 2.0;
        // Above the slices, or above the top of the spin axis when it stands there.
        const double lift = UseSpinAxis() ? halfCone + 1.25 * h : 1.05 * h + halfCone;
        drillUpHolder_->TranslationField()->SetY(static_cast<float>(lift));
    }
}

void PieGraph::ExportSlices(holvane::RouteCollection& routes) {
    legend_->ClearLegend();
    sliceHolder_->ChildrenField()->Clear();
    LegendInfo::EntryBatch batch(*legend_);
    // The slices follow each other from the +x axis: slice i turns back by the angles before it
    // and by half its own, as its inner Transform has centred it on +x.
    float turned = 0.0f;
    for (std::size_t k = 0; k < slices_.Items().size(); ++k) {
        PieSliceInfo& slice = *slices_.Items()[k];
        const std::string i = std::to_string(k + 1);
        const float angle = slice.Angle();
        slice.RootTransform()->RotationField()->SetValues(0, 1, 0, static_cast<float>(turned - angle / 2.0));
        turned = static_cast<float>(static_cast<double>(turned) - angle);
        sliceHolder_->ChildrenField()->Add(slice.RootNode());

        if (slice.ShowInLegend())
            EnterInLegend(*legend_, slice.Appearance(), slice.LegendText(), slice.ContentToggleNode(),
                          "SLICE_TOGGLE_" + i, routes);

        auto sensor = slice.PlaneSensorNode();
        auto inner = slice.InnerTransformNode();
        inner->SetDEFName("INNER_TRANS_" + i);
        sensor->SetDEFName("SLICE_DRAG_" + i);
        routes.Add(sensor, "translation_changed", inner, "set_translation");

        auto textToggle = slice.SliceTextToggleNode();
        switch (textVisibility_) {
            case SliceTextVisibility::SHOW_ALWAYS:
                textToggle->ContentsExistField()->SetValue(true);
                break;
            case SliceTextVisibility::SHOW_ON_TOUCH:
                textToggle->ContentsExistField()->SetValue(false);
                textToggle->SetDEFName("SLICE_TEXT_TOGGLE_" + i);
                routes.Add(sensor, "isActive", textToggle, "set_contentsExist");
                break;
        }
    }
}

}  // namespace atrium
