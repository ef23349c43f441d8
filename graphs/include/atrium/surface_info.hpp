#pragma once
// One surface of a surface graph: heights set point by point, each with a pop-up text.
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "atrium/surface_body.hpp"
#include "atrium/surface_popup_info.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A height surface with pop-ups. Tree: root Transform → [toggle → surface and wireframe (see
// SurfaceBody), the pop-ups' root]. The lattice (xDimension, zDimension, xSpacing, zSpacing,
// height) is kept equal on qrx_Surface, qrx_ElevationWireframe and qrx_PopupSurface; point
// (x, z), both from 1, is entry (z - 1) x xDimension + x. Starts as a 2 x 2 lattice of zeros.
class SurfaceInfo : public SurfaceBody {
public:
    SurfaceInfo();

    // Sets the height of point (xIndex, zIndex) on all three protos and its pop-up text. Fails
    // outside the lattice, X tested first: "Invalid X axis surface point, must be in the range
    // [1.." + xDimension (or the Z text with zDimension).
    void Set1HeightPoint(std::int16_t xIndex, std::int16_t zIndex, float& newHeight, const std::string& PopupText);
    // As above for a value (a literal, a temporary or a const float).
    void Set1HeightPoint(std::int16_t xIndex, std::int16_t zIndex, const float& newHeight, const std::string& PopupText);
    // Sets every height from a row-major matrix (row = Z index - 1, entry (z - 1) x XCount() + x)
    // and, when popupTexts is not empty, every pop-up text in the same order; empty texts leave
    // the pop-ups as they are. Fails unless heights holds XCount() x ZCount() values (and
    // popupTexts none or as many): "Invalid height count, must be " + XCount() x ZCount().
    void SetHeights(std::span<const float> heights, std::span<const std::string> popupTexts = {});
    // The surface's pop-ups.
    std::shared_ptr<SurfacePopupInfo> PopupProps() const { return popups_; }

    // A count change resets every height to 0 and every pop-up text to "".
    void SetXCount(std::int16_t value) override;
    void SetZCount(std::int16_t value) override;
    void SetXSpacing(float value) override;
    void SetZSpacing(float value) override;
    float PopupZOffset() const override;
    void SetPopupZOffset(float value) override;

private:
    // Refills the three height lists and the texts with xDimension x zDimension zeros and "".
    void ResetLattice();

    std::shared_ptr<SurfacePopupInfo> popups_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
