#pragma once
// The choices of the scatter graph's animation and of its frame slider.
#include <cstdint>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// How the scatter graph moves from one point frame to the next.
enum class AnimationStyle : std::int32_t {
    VRML_ANALOG = 0,    // interpolated over time by a clock
    VRML_DISCRETE = 1,  // stepped by the frame slider
};

// How an analog animation repeats.
enum class LoopStyle : std::int32_t {
    VRML_LOOP_CONTINUOUS = 0,  // the last frame runs back into the first
    VRML_LOOP_BREAK = 1,       // jumps from the last frame to the first
    VRML_BACK_AND_FORTH = 2,   // runs forwards, then backwards
    VRML_NO_LOOP = 3,          // runs once
};

// The side of the slider the frame labels stand on.
enum class SliderTextAlignment : std::int32_t {
    LEFT_ALIGN_TEXT = 0,
    RIGHT_ALIGN_TEXT = 1,
};

// Which end of the slider is its minimum.
enum class SliderAlignment : std::int32_t {
    ZERO_AT_BOTTOM = 0,
    ZERO_AT_TOP = 1,
};

}  // namespace atrium
ATRIUM_EXPORT_END
