#pragma once
// The key frames of the scatter graph's analog animation.
#include <cstddef>
#include <memory>
#include <vector>

#include "atrium/point_collection.hpp"

namespace atrium {

// The order in which the point frames are visited in one cycle.
enum class KeyFrameForm {
    Linear,        // 1 .. n
    BackAndForth,  // 1 .. n, then n - 1 down to 1
    ClosedLoop,    // 1 .. n, then 1 again
};

// The frame positions (0-based) visited in one cycle of form over n frames.
std::vector<std::size_t> KeyFrameOrder(KeyFrameForm form, std::size_t n);

// Replaces key and keyValue by one key frame per entry of KeyFrameOrder: its locations in point
// order, padded to the largest frame's count with the last location read ((0, 0, 0) before any),
// and keys evenly from 0 to 0.99. Returns the number of frame gaps in the cycle. Fewer than two
// frames give no key frames and 0.
std::size_t BuildKeyFrames(const std::vector<std::shared_ptr<PointCollection>>& frames, KeyFrameForm form,
                           holvane::MFFloat& key, holvane::MFVec3f& keyValue);

}  // namespace atrium
