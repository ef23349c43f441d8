#pragma once
// Factories create fields, nodes, writers and route collections by name.
#include <cstdint>
#include <memory>
#include <string_view>

#include "holvane/export.hpp"
#include "holvane/fields.hpp"
#include "holvane/node.hpp"
#include "holvane/routes.hpp"
#include "holvane/traverser.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

// Creates the objects of a scene by their VRML names.
class IVRMLFactory {
public:
    virtual ~IVRMLFactory() = default;
    // A new unnamed field of a type named "SFBool" … "MFVec3f"; unknown names raise.
    virtual std::shared_ptr<Field> CreateField(std::string_view fieldType) = 0;
    // A new node with its initial values; unknown names raise.
    virtual std::shared_ptr<Node> CreateNode(std::string_view nodeType) = 0;
    // A new "VRMLFileTraverser" or "VRMLStringTraverser"; other names raise.
    virtual std::shared_ptr<Traverser> CreateTraverser(std::string_view traverserType) = 0;
    // A new empty route collection.
    virtual std::shared_ptr<RouteCollection> CreateRouteCollection() = 0;

    // CreateNode cast to the node class, for callers that know what they asked for.
    template <class C>
    std::shared_ptr<C> Create() { return std::dynamic_pointer_cast<C>(CreateNode(C::kName)); }
};

// The factory of the standard VRML 97 nodes.
class CoreFactory final : public IVRMLFactory {
public:
    std::shared_ptr<Field> CreateField(std::string_view fieldType) override;
    std::shared_ptr<Node> CreateNode(std::string_view nodeType) override;
    std::shared_ptr<Traverser> CreateTraverser(std::string_view traverserType) override;
    std::shared_ptr<RouteCollection> CreateRouteCollection() override;
};

// A factory for one proto library: it creates its own protos and passes everything else to another factory.
class ProtoLibraryFactory : public IVRMLFactory {
public:
    std::shared_ptr<Field> CreateField(std::string_view fieldType) override;
    std::shared_ptr<Node> CreateNode(std::string_view nodeType) override;
    std::shared_ptr<Traverser> CreateTraverser(std::string_view traverserType) override;
    std::shared_ptr<RouteCollection> CreateRouteCollection() override;

protected:
    explicit ProtoLibraryFactory(std::shared_ptr<IVRMLFactory> next) : next_(std::move(next)) {}
    // The library's own node of that name, or null to pass the name on.
    virtual std::shared_ptr<Node> CreateProto(std::string_view nodeType) = 0;

private:
    std::shared_ptr<IVRMLFactory> next_;
};

// A library's control: it shows nothing, keeps one small fixed size and hands out the
// library's factory.
class LibraryCtl {
public:
    // The one size the control keeps, in the host's units.
    static constexpr std::int32_t kSize = 615;

    // The control's factory; the same object on every call.
    std::shared_ptr<IVRMLFactory> Factory() const { return factory_; }
    // Called when the host resizes the control: the size goes back to kSize x kSize.
    void Resize(std::int32_t /*width*/, std::int32_t /*height*/) { width_ = height_ = kSize; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }

protected:
    explicit LibraryCtl(std::shared_ptr<IVRMLFactory> factory) : factory_(std::move(factory)) {}

private:
    std::shared_ptr<IVRMLFactory> factory_;
    std::int32_t width_ = kSize;
    std::int32_t height_ = kSize;
};

// The core library's control: it hands out the core factory.
class HolvaneCtl final : public LibraryCtl {
public:
    HolvaneCtl();
};

// The process-wide core factory, created on first use (what proto libraries build their fields with).
std::shared_ptr<IVRMLFactory> CoreFactoryInstance();

}  // namespace holvane
ATRIUM_EXPORT_END
