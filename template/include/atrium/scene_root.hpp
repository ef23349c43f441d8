#pragma once
// The contract between a graph and its scene parts.
#include <memory>

#include "holvane/export.hpp"
#include "holvane/node.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// A scene part: it builds its subtree once and changes it in place; RootNode is the same node on every call.
class ISceneRoot {
public:
    virtual ~ISceneRoot() = default;
    virtual std::shared_ptr<holvane::Node> RootNode() const = 0;
};

// A graph: its root Transform, which a host may embed in a scene of its own.
class IAtriumGraph {
public:
    virtual ~IAtriumGraph() = default;
    virtual std::shared_ptr<holvane::Node> RootNode() const = 0;
};

}  // namespace atrium
ATRIUM_EXPORT_END
