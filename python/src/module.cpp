// The extension atrium._atrium: the object model of the Atrium libraries and the charts built
// from data. The package atrium around it adds the chart functions and showing.
#include <pybind11/stl.h>

#include <cctype>

#include "atrium/html/data_folder.hpp"
#include "atrium/proto_path.hpp"
#include "atrium/version.hpp"
#include "bindings.hpp"

namespace atrium_python {

std::string SnakeCase(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (std::isupper(c) && i > 0) {
            const auto before = static_cast<unsigned char>(name[i - 1]);
            const bool wordStart = std::islower(before) || std::isdigit(before) ||
                                   (i + 1 < name.size() && std::islower(static_cast<unsigned char>(name[i + 1])));
            if (wordStart && out.back() != '_') out += '_';
        }
        out += static_cast<char>(std::tolower(c));
    }
    return out;
}

std::int32_t PackedFromWebColour(std::string_view text) {
    const bool shaped = text.size() == 7 && text[0] == '#' &&
                        text.substr(1).find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
    if (!shaped) throw py::value_error("colour \"" + std::string(text) + "\" is not of the form \"#RRGGBB\"");
    const auto rrggbb = static_cast<std::uint32_t>(std::stoul(std::string(text.substr(1)), nullptr, 16));
    return static_cast<std::int32_t>(((rrggbb & 0xFFu) << 16) | (rrggbb & 0xFF00u) | (rrggbb >> 16));
}

}  // namespace atrium_python

PYBIND11_MODULE(_atrium, m) {
    using namespace atrium_python;
    m.doc() = "The Atrium object model: graphs, their parts and their VRML nodes.";
    m.attr("__version__") = ATRIUM_VERSION_STRING;
    BindErrors(m);
    BindNodes(m);
    BindParts(m);
    BindGraphs(m);
    BindCharts(m);
    m.def("proto_path", &atrium::ProtoPath, "The prefix of the proto file names in the worlds' EXTERNPROTO URLs.");
    m.def("set_proto_path", &atrium::SetProtoPath, py::arg("path"),
          "Sets the proto path for the graphs created from now on (\"\": the proto files beside the world).");
    m.def("_set_data_folder", [](const std::string& folder) { atrium::html::SetDataFolder(folder); }, py::arg("folder"),
          "Names the folder holding protos/ and viewer/ that HTML pages are built from.");
}
