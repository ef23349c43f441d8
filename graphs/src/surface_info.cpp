#include "atrium/surface_info.hpp"

#include <string>
#include <utility>

#include "holvane/error.hpp"

namespace atrium {

SurfaceInfo::SurfaceInfo() : popups_(std::make_shared<SurfacePopupInfo>()) {
    RootTransform()->ChildrenField()->Add(popups_->RootNode());
    ResetLattice();
}

void SurfaceInfo::Set1HeightPoint(std::int16_t xIndex, std::int16_t zIndex, float& newHeight,
                                  const std::string& PopupText) {
    Set1HeightPoint(xIndex, zIndex, std::as_const(newHeight), PopupText);
}

void SurfaceInfo::Set1HeightPoint(std::int16_t xIndex, std::int16_t zIndex, const float& newHeight,
                                  const std::string& PopupText) {
    const std::int16_t xCount = XCount(), zCount = ZCount();
    if (xIndex < 1 || xIndex > xCount)
        holvane::Fail("Invalid X axis surface point, must be in the range [1.." + std::to_string(xCount));
    if (zIndex < 1 || zIndex > zCount)
        holvane::Fail("Invalid Z axis surface point, must be in the range [1.." + std::to_string(zCount));
    const auto k = static_cast<std::size_t>(zIndex - 1) * static_cast<std::size_t>(xCount) +
                   static_cast<std::size_t>(xIndex - 1);
    // The lists are public fields: one a host has shortened is padded rather than overrun.
    const std::size_t points = static_cast<std::size_t>(xCount) * static_cast<std::size_t>(zCount);
    auto set = [&](auto& values, const auto& value) {
        if (values.size() < points) values.resize(points);
        values[k] = value;
    };
    auto& popupSurface = *popups_->PopupSurfaceNode();
    set(SurfaceNode()->HeightField()->Values(), newHeight);
    set(WireframeNode()->HeightField()->Values(), newHeight);
    set(popupSurface.HeightField()->Values(), newHeight);
    set(popupSurface.PopupTextField()->Values(), PopupText);
}

void SurfaceInfo::SetHeights(std::span<const float> heights, std::span<const std::string> popupTexts) {
    const std::size_t points = static_cast<std::size_t>(XCount()) * static_cast<std::size_t>(ZCount());
    if (heights.size() != points || (!popupTexts.empty() && popupTexts.size() != points))
        holvane::Fail("Invalid height count, must be " + std::to_string(points));
    auto& popupSurface = *popups_->PopupSurfaceNode();
    for (auto* field : {SurfaceNode()->HeightField().get(), WireframeNode()->HeightField().get(),
                        popupSurface.HeightField().get()})
        field->Values().assign(heights.begin(), heights.end());
    if (!popupTexts.empty()) popupSurface.PopupTextField()->Values().assign(popupTexts.begin(), popupTexts.end());
}

void SurfaceInfo::SetXCount(std::int16_t value) {
    SetBodyXCount(value);
    popups_->PopupSurfaceNode()->XDimensionField()->SetValue(value);
    ResetLattice();
}

void SurfaceInfo::SetZCount(std::int16_t value) {
    SetBodyZCount(value);
    popups_->PopupSurfaceNode()->ZDimensionField()->SetValue(value);
    ResetLattice();
}

void SurfaceInfo::SetXSpacing(float value) {
    SetBodyXSpacing(value);
    popups_->PopupSurfaceNode()->XSpacingField()->SetValue(value);
}

void SurfaceInfo::SetZSpacing(float value) {
    SetBodyZSpacing(value);
    popups_->PopupSurfaceNode()->ZSpacingField()->SetValue(value);
}

float SurfaceInfo::PopupZOffset() const {
    return static_cast<holvane::Transform&>(*popups_->RootNode()).TranslationField()->Value()[2];
}

void SurfaceInfo::SetPopupZOffset(float value) {
    static_cast<holvane::Transform&>(*popups_->RootNode()).TranslationField()->SetZ(value);
}

void SurfaceInfo::ResetLattice() {
    const auto points = static_cast<std::size_t>(XCount()) * static_cast<std::size_t>(ZCount());
    auto& popupSurface = *popups_->PopupSurfaceNode();
    for (auto* heights : {&SurfaceNode()->HeightField()->Values(), &WireframeNode()->HeightField()->Values(),
                          &popupSurface.HeightField()->Values()})
        heights->assign(points, 0.0f);
    popupSurface.PopupTextField()->Values().assign(points, std::string());
}

}  // namespace atrium
