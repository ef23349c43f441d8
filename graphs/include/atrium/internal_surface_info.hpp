#pragma once
// What a graph needs of each of its height surfaces (plain and density surfaces alike).
#include <cstdint>
#include <memory>

#include "holvane/standard_nodes.hpp"

namespace atrium {

// The graph's side of a surface: its lattice, its toggle and its look. Validation failures
// raise holvane::kObjectError and change nothing.
class IInternalSurfaceInfo {
public:
    virtual ~IInternalSurfaceInfo() = default;
    // Distance between lattice points along X (xSpacing). Fails unless > 0:
    // "Invalid X axis surface point spacing, must be greater than 1".
    virtual float XSpacing() const = 0;
    virtual void SetXSpacing(float value) = 0;
    // Distance between lattice points along Z (zSpacing). Fails unless > 0:
    // "Invalid Z axis surface point spacing, must be greater than 1".
    virtual float ZSpacing() const = 0;
    virtual void SetZSpacing(float value) = 0;
    // Lattice points along X (xDimension). Fails below 2:
    // "Invalid X axis surface point count, must be greater than 1".
    virtual std::int16_t XCount() const = 0;
    virtual void SetXCount(std::int16_t value) = 0;
    // Lattice points along Z (zDimension). Fails below 2:
    // "Invalid Z axis surface point count, must be greater than 1".
    virtual std::int16_t ZCount() const = 0;
    virtual void SetZCount(std::int16_t value) = 0;
    // The surface's content toggle, which the legend's check box switches.
    virtual std::shared_ptr<holvane::Node> ContentToggle() const = 0;
    // The surface's appearance, shared with its legend entry.
    virtual std::shared_ptr<holvane::Appearance> Appearance() const = 0;
    // How far the pop-ups are pushed along Z (their root's translation z).
    virtual float PopupZOffset() const = 0;
    virtual void SetPopupZOffset(float value) = 0;
};

}  // namespace atrium
