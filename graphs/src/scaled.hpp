#pragma once
// Multiplying a scene length by a decimal constant the way every placement here does it.

namespace atrium {

// value x factor, worked out in double and rounded once to a single float.
inline float Scaled(float value, double factor) { return static_cast<float>(static_cast<double>(value) * factor); }

}  // namespace atrium
