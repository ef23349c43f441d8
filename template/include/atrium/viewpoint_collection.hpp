#pragma once
// The viewpoints of a world, created and filled by the host.
#include <cstdint>
#include <memory>

#include "atrium/scene_root.hpp"
#include "holvane/export.hpp"
#include "holvane/standard_nodes.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A Group of Viewpoint nodes, written in the order they were added; the first one added is
// the one a browser binds at start (a graph puts this group after its other parts).
class ViewpointCollection : public ISceneRoot {
public:
    ViewpointCollection();

    // The Group holding the viewpoints.
    std::shared_ptr<holvane::Node> RootNode() const override { return group_; }

    // The viewpoint at position index (1 = first). An index outside 1 to Count raises the core
    // library's list error (holvane::kIndexOutOfRange).
    std::shared_ptr<holvane::Viewpoint> GetViewpoint(std::int16_t index) const;
    // Appends a new Viewpoint with the VRML default fields and returns it for the host to fill.
    std::shared_ptr<holvane::Viewpoint> AddViewpoint();
    // Removes every viewpoint.
    void ClearViewpoints();
    // The number of viewpoints.
    std::int16_t Count() const;

private:
    std::shared_ptr<holvane::Group> group_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
