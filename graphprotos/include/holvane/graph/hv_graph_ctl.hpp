#pragma once
// The graph library's control: it hands out the library's factory.
#include <cstdint>
#include <memory>

#include "holvane/graph/vrml_factory.hpp"

namespace holvane::graph {

// The control of the graph proto library; it shows nothing and keeps a fixed 615 x 615 size.
class HVGraphCtl {
public:
    // Creates the control's VRMLFactory (and the library's host on first use).
    HVGraphCtl();
    // The control's VRMLFactory; the same object on every call.
    std::shared_ptr<holvane::IVRMLFactory> Factory() const { return factory_; }

    // Called when the host resizes the control: the size goes back to 615 x 615 whatever is asked.
    void Resize(std::int32_t width, std::int32_t height);
    // The control's size in the host's units; 615 each, always.
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }

    // The one size the control keeps.
    static constexpr std::int32_t kSize = 615;

private:
    std::shared_ptr<holvane::IVRMLFactory> factory_;
    std::int32_t width_ = kSize;
    std::int32_t height_ = kSize;
};

}  // namespace holvane::graph
