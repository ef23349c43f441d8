#pragma once
// What the area, column and ribbon graphs need of each of their series.
#include <cstdint>
#include <memory>

#include "holvane/export.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Marks the series classes.
class ISeriesInfo {
public:
    virtual ~ISeriesInfo() = default;
};

// The graph's side of a series. Validation failures raise holvane::kObjectError and change nothing.
class IInternalSeriesInfo {
public:
    virtual ~IInternalSeriesInfo() = default;
    // The series' content toggle, which the legend's check box switches.
    virtual std::shared_ptr<holvane::Node> ContentToggle() const = 0;
    // Distance between the series' points (xSpacing). Fails unless > 0:
    // "Invalid spacing, must be greater than 0"; also sets the pop-ups' spacing.
    virtual float Spacing() const = 0;
    virtual void SetSpacing(float value) = 0;
    // Number of points, one per X cell (xDimension). Fails below 1:
    // "Invalid count, must be greater than 0"; also sets the pop-ups' count.
    virtual std::int16_t Count() const = 0;
    virtual void SetCount(std::int16_t value) = 0;
    // The series' appearance, shared with its legend entry.
    virtual std::shared_ptr<holvane::Appearance> Appearance() const = 0;
};

}  // namespace atrium
ATRIUM_EXPORT_END
