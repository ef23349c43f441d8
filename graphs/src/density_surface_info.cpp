#include "atrium/density_surface_info.hpp"

#include "atrium/density_estimate.hpp"
#include "frm_main.hpp"
#include "holvane/error.hpp"

namespace atrium {

DensitySurfaceInfo::DensitySurfaceInfo()
    : points_(std::static_pointer_cast<holvane::MFVec2f>(
          frmMain::Instance().CoreCtl().Factory()->CreateField("MFVec2f"))) {}

void DensitySurfaceInfo::SetSigma(float value) {
    if (!(value > 0.0f)) holvane::Fail("Invalid sigma value, must be greater than 0");
    sigma_ = value;
}

void DensitySurfaceInfo::GenerateParzenMap(float graphHeight) {
    const auto& surface = *SurfaceNode();
    const ParzenLattice lattice{surface.XDimensionField()->Value(), surface.ZDimensionField()->Value(),
                                surface.XSpacingField()->Value(), surface.ZSpacingField()->Value()};
    RefuseNaNPoints(points_->Values(), "Density surface");
    SurfaceNode()->HeightField()->Values() = RescaleHeights(ParzenMap(lattice, points_->Values(), sigma_), graphHeight);
    WireframeNode()->HeightField()->CopyFrom(*SurfaceNode()->HeightField());
}

}  // namespace atrium
