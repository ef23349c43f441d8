#include "atrium/graph.hpp"

#include "atrium/proto_path.hpp"
#include "frm_main.hpp"

namespace atrium {

void Graph::CreateRoot() {
    root_ = MakeCoreNode<holvane::Transform>();
    routes_ = frmMain::Instance().CoreCtl().Factory()->CreateRouteCollection();
}

void Graph::Update() {
    routes_->Clear();
    PrepareExport(*routes_);
}

bool Graph::ExportToFile(const std::string& fName) {
    Update();
    auto writer = frmMain::Instance().CoreCtl().Factory()->CreateTraverser("VRMLFileTraverser");
    return std::static_pointer_cast<holvane::VRMLFileTraverser>(writer)->Write(fName, *root_, *routes_);
}

std::string Graph::ExportToString(bool includeBreaks, bool includeTabs) {
    Update();
    auto writer = std::static_pointer_cast<holvane::VRMLStringTraverser>(
        frmMain::Instance().CoreCtl().Factory()->CreateTraverser("VRMLStringTraverser"));
    writer->SetIncludeLineBreaks(includeBreaks);
    writer->SetIncludeTabs(includeTabs);
    return writer->Write(*root_, *routes_);
}

}  // namespace atrium
