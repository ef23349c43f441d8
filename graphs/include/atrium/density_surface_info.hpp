#pragma once
// One surface of a density graph: the smoothed density of a set of points.
#include <memory>

#include "atrium/surface_body.hpp"
#include "holvane/export.hpp"
#include "holvane/fields.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// The graph's side of a density surface. Validation failures raise holvane::kObjectError and
// change nothing.
class IDensitySurfaceInfo {
public:
    virtual ~IDensitySurfaceInfo() = default;
    // Kernel width; 0.5 at first. Fails unless > 0: "Invalid sigma value, must be greater than 0".
    virtual float Sigma() const = 0;
    virtual void SetSigma(float value) = 0;
    // Fills the surface's and the wireframe's heights with the density of PointList on the
    // surface's lattice, rescaled from 0 to graphHeight (all 0 where the density is flat).
    // A point with a NaN coordinate is refused (RefuseNaNPoints) and nothing changes.
    virtual void GenerateParzenMap(float graphHeight) = 0;
};

// A density surface (tree as SurfaceBody, no pop-ups). Lattice changes touch surface and
// wireframe only and leave the heights as they are.
class DensitySurfaceInfo : public SurfaceBody, public IDensitySurfaceInfo {
public:
    DensitySurfaceInfo();

    // The points (x, z), in the grid's units from its origin corner; empty at first.
    std::shared_ptr<holvane::MFVec2f> PointList() const { return points_; }

    float Sigma() const override { return sigma_; }
    void SetSigma(float value) override;
    void GenerateParzenMap(float graphHeight) override;

    void SetXCount(std::int16_t value) override { SetBodyXCount(value); }
    void SetZCount(std::int16_t value) override { SetBodyZCount(value); }
    void SetXSpacing(float value) override { SetBodyXSpacing(value); }
    void SetZSpacing(float value) override { SetBodyZSpacing(value); }
    // A density surface has no pop-ups: reads 0, ignores writes.
    float PopupZOffset() const override { return 0.0f; }
    void SetPopupZOffset(float) override {}

private:
    std::shared_ptr<holvane::MFVec2f> points_;
    float sigma_ = 0.5f;
};

}  // namespace atrium
ATRIUM_EXPORT_END
