#include "holvane/factory.hpp"

#include <unordered_map>

#include "holvane/standard_nodes.hpp"

namespace holvane {
namespace {

using NodeMaker = std::shared_ptr<Node> (*)();

const std::unordered_map<std::string_view, NodeMaker>& StandardNodes() {
#define HOLVANE_MAKER(Class, LIST) {Class::kName, []() -> std::shared_ptr<Node> { return std::make_shared<Class>(); }},
    static const std::unordered_map<std::string_view, NodeMaker> makers = {HOLVANE_STANDARD_NODES(HOLVANE_MAKER)};
#undef HOLVANE_MAKER
    return makers;
}

}  // namespace

std::shared_ptr<Field> CoreFactory::CreateField(std::string_view fieldType) {
    auto type = TypeFromName(fieldType);
    if (!type) throw Error(kInvalidArgument, "Unknown field type \"" + std::string(fieldType) + "\"");
    return MakeField(*type);
}

std::shared_ptr<Node> CoreFactory::CreateNode(std::string_view nodeType) {
    const auto& makers = StandardNodes();
    auto it = makers.find(nodeType);
    if (it == makers.end()) throw Error(kInvalidArgument, "Unknown node type \"" + std::string(nodeType) + "\"");
    return it->second();
}

std::shared_ptr<Traverser> CoreFactory::CreateTraverser(std::string_view traverserType) {
    if (traverserType == "VRMLFileTraverser") return std::make_shared<VRMLFileTraverser>();
    if (traverserType == "VRMLStringTraverser") return std::make_shared<VRMLStringTraverser>();
    throw Error(kInvalidArgument, "Unknown traverser type \"" + std::string(traverserType) + "\"");
}

std::shared_ptr<RouteCollection> CoreFactory::CreateRouteCollection() { return std::make_shared<RouteCollection>(); }

std::shared_ptr<Field> ProtoLibraryFactory::CreateField(std::string_view fieldType) {
    return next_->CreateField(fieldType);
}

std::shared_ptr<Node> ProtoLibraryFactory::CreateNode(std::string_view nodeType) {
    if (auto node = CreateProto(nodeType)) return node;
    return next_->CreateNode(nodeType);
}

std::shared_ptr<Traverser> ProtoLibraryFactory::CreateTraverser(std::string_view traverserType) {
    return next_->CreateTraverser(traverserType);
}

std::shared_ptr<RouteCollection> ProtoLibraryFactory::CreateRouteCollection() {
    return next_->CreateRouteCollection();
}

HolvaneCtl::HolvaneCtl() : LibraryCtl(std::make_shared<CoreFactory>()) {}

std::shared_ptr<IVRMLFactory> CoreFactoryInstance() {
    static const HolvaneCtl host;
    return host.Factory();
}

}  // namespace holvane
