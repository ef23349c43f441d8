#pragma once
// The process-wide host of the four library controls, from which every graph and scene part
// takes the factory it needs at the moment it creates nodes.
#include "holvane/factory.hpp"
#include "holvane/graph/hv_graph_ctl.hpp"
#include "holvane/ui_nodes.hpp"

namespace atrium {

// Hidden host of one control of each library; created on first use and kept for the process.
class frmMain {
public:
    // The one host, created on first use.
    static frmMain& Instance();

    holvane::HolvaneCtl& CoreCtl() { return core_; }
    holvane::graph::HVGraphCtl& GraphCtl() { return graph_; }
    holvane::HVUICtl& UICtl() { return ui_; }
    holvane::HVNavCtl& NavCtl() { return nav_; }

private:
    frmMain() = default;
    holvane::HolvaneCtl core_;
    holvane::graph::HVGraphCtl graph_;
    holvane::HVUICtl ui_;
    holvane::HVNavCtl nav_;
};

}  // namespace atrium
