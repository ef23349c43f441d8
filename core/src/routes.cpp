#include "holvane/routes.hpp"

namespace holvane {

void RouteCollection::Add(std::shared_ptr<Node> fromNode, std::string eventOut, std::shared_ptr<Node> toNode,
                          std::string eventIn) {
    routes_.push_back({std::move(fromNode), std::move(eventOut), std::move(toNode), std::move(eventIn)});
}

}  // namespace holvane
