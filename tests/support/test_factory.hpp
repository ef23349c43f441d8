#pragma once
// The graph factory the graph tests share: one template control for the whole test program,
// since every new control resets the process-wide proto path from the settings.
#include "atrium/graph_factory.hpp"
#include "atrium/template_ctl.hpp"

inline atrium::GraphFactory& TestFactory() {
    static atrium::AtriumTemplateCtl control;
    return *control.CreateFactory();
}
