#pragma once
// Route collections: the ROUTE statements written after a world's nodes.
#include <memory>
#include <string>
#include <vector>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

class Node;

// One route from a node's eventOut to another node's eventIn.
struct Route {
    std::shared_ptr<Node> fromNode;
    std::string eventOut;
    std::shared_ptr<Node> toNode;
    std::string eventIn;
};

// An ordered list of routes; checked against the world when it is written.
class RouteCollection {
public:
    // Appends a route; its nodes and event names are checked when the world is written.
    void Add(std::shared_ptr<Node> fromNode, std::string eventOut, std::shared_ptr<Node> toNode,
             std::string eventIn);
    void Clear() { routes_.clear(); }
    std::size_t Count() const { return routes_.size(); }
    const std::vector<Route>& Routes() const { return routes_; }

private:
    std::vector<Route> routes_;
};

}  // namespace holvane
ATRIUM_EXPORT_END
