#include "holvane/ui_nodes.hpp"

namespace holvane {
namespace {

// Creates the protos of one list by name; other names are passed on to the core factory.
template <class... Protos>
class ListFactory final : public ProtoLibraryFactory {
public:
    ListFactory() : ProtoLibraryFactory(CoreFactoryInstance()) {}

protected:
    std::shared_ptr<Node> CreateProto(std::string_view nodeType) override {
        std::shared_ptr<Node> node;
        ((nodeType == Protos::kName ? (void)(node = std::make_shared<Protos>()) : (void)0), ...);
        return node;
    }
};


}  // namespace

HVUICtl::HVUICtl() : LibraryCtl(std::make_shared<ListFactory<qrx_ContentToggle, qrx_CheckBox, qrx_Slider>>()) {}

HVNavCtl::HVNavCtl() : LibraryCtl(std::make_shared<ListFactory<qrx_Router>>()) {}

}  // namespace holvane
