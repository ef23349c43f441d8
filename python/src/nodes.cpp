// VRML nodes from Python: every field of a node (standard or proto) read and written by its VRML
// name or its snake_case alias, converted by the field's type: numbers, strings, tuples for
// vectors, colours and rotations (a colour also as "#RRGGBB"), nodes, and lists of those.
#include <pybind11/stl.h>

#include <array>
#include <vector>

#include "bindings.hpp"
#include "holvane/fields.hpp"
#include "holvane/graph/graph_protos.hpp"
#include "holvane/node.hpp"
#include "holvane/standard_nodes.hpp"
#include "holvane/ui_nodes.hpp"

namespace atrium_python {
namespace {

using holvane::FieldType;

// Calls f with the field as its own class.
template <class F>
decltype(auto) Visit(holvane::Field& field, F&& f) {
    switch (field.Type()) {
#define ATRIUM_PYTHON_FIELD(T) \
    case FieldType::T:          \
        return f(static_cast<holvane::T&>(field));
        ATRIUM_PYTHON_FIELD(SFBool)
        ATRIUM_PYTHON_FIELD(SFColor)
        ATRIUM_PYTHON_FIELD(SFFloat)
        ATRIUM_PYTHON_FIELD(SFInt32)
        ATRIUM_PYTHON_FIELD(SFNode)
        ATRIUM_PYTHON_FIELD(SFRotation)
        ATRIUM_PYTHON_FIELD(SFString)
        ATRIUM_PYTHON_FIELD(SFTime)
        ATRIUM_PYTHON_FIELD(SFVec2f)
        ATRIUM_PYTHON_FIELD(SFVec3f)
        ATRIUM_PYTHON_FIELD(MFColor)
        ATRIUM_PYTHON_FIELD(MFFloat)
        ATRIUM_PYTHON_FIELD(MFInt32)
        ATRIUM_PYTHON_FIELD(MFNode)
        ATRIUM_PYTHON_FIELD(MFRotation)
        ATRIUM_PYTHON_FIELD(MFString)
        ATRIUM_PYTHON_FIELD(MFTime)
        ATRIUM_PYTHON_FIELD(MFVec2f)
        ATRIUM_PYTHON_FIELD(MFVec3f)
#undef ATRIUM_PYTHON_FIELD
    }
    throw py::type_error("unknown field type");
}

template <class V>
py::object ToPython(const V& value) {
    if constexpr (requires { std::tuple_size<V>::value; }) {
        py::tuple out(value.size());
        for (std::size_t i = 0; i < value.size(); ++i) out[i] = value[i];
        return out;
    } else {
        return py::cast(value);
    }
}

template <class V>
V FromPython(py::handle value, const std::string& field) {
    if constexpr (requires { std::tuple_size<V>::value; }) {
        constexpr std::size_t n = std::tuple_size<V>::value;
        if constexpr (std::is_same_v<V, holvane::Rgb>) {
            if (py::isinstance<py::str>(value)) return holvane::RgbFromPacked(PackedFromWebColour(value.cast<std::string>()));
        }
        const auto numbers = value.cast<std::vector<float>>();
        if (numbers.size() != n)
            throw py::value_error("field " + field + " takes " + std::to_string(n) + " numbers, not " +
                                  std::to_string(numbers.size()));
        V out{};
        std::copy(numbers.begin(), numbers.end(), out.begin());
        return out;
    } else {
        return value.cast<V>();
    }
}

// The field a Python name means: the VRML name, or the VRML name of a snake_case alias.
std::shared_ptr<holvane::Field> FieldNamed(const holvane::Node& node, const std::string& name) {
    for (const auto* declaration : node.Class().FieldDeclarations()) {
        if (declaration->name == name || SnakeCase(declaration->name) == name)
            return node.GetField(declaration->name);
    }
    return nullptr;
}

py::object Read(holvane::Field& field) {
    return Visit(field, [](auto& f) -> py::object {
        if constexpr (holvane::IsMulti(std::decay_t<decltype(f)>::kType)) {
            py::list out;
            for (const auto& v : f.Values()) out.append(ToPython(v));
            return out;
        } else {
            return ToPython(f.Value());
        }
    });
}

void Write(holvane::Field& field, py::handle value) try {
    Visit(field, [&](auto& f) {
        using V = typename std::decay_t<decltype(f)>::value_type;
        if constexpr (holvane::IsMulti(std::decay_t<decltype(f)>::kType)) {
            std::vector<V> values;
            for (auto item : py::iter(value)) values.push_back(FromPython<V>(item, field.Name()));
            f.Values() = std::move(values);
        } else {
            f.SetValue(FromPython<V>(value, field.Name()));
        }
    });
} catch (const py::cast_error&) {
    throw py::type_error("field " + field.Name() + " takes a " + std::string(field.TypeName()) + ", not " +
                         py::type::of(value).attr("__name__").cast<std::string>());
}

}  // namespace

void BindNodes(py::module_& m) {
    py::class_<holvane::Node, std::shared_ptr<holvane::Node>> node(
        m, "Node",
        "A VRML node. Its fields are attributes under their VRML names (position, diffuseColor) "
        "and snake_case aliases (diffuse_color).");
    ReadOnly(node, "NodeType", [](const holvane::Node& n) { return n.NodeType(); });
    Property(node, "DEFName", [](const holvane::Node& n) { return n.DEFName(); }, &holvane::Node::SetDEFName);
    ReadOnly(node, "FieldNames", [](const holvane::Node& n) {
        std::vector<std::string> names;
        for (const auto* declaration : n.Class().FieldDeclarations()) names.emplace_back(declaration->name);
        return names;
    });
    node.def("__getattr__", [](const holvane::Node& n, const std::string& name) {
        auto field = FieldNamed(n, name);
        if (!field) throw py::attribute_error(n.NodeType() + " has no field " + name);
        return Read(*field);
    });
    node.def("__setattr__", [](py::object self, const std::string& name, py::object value) {
        auto field = FieldNamed(self.cast<const holvane::Node&>(), name);
        if (field) {
            Write(*field, value);
        } else {
            py::module_::import("builtins").attr("object").attr("__setattr__")(self, name, value);
        }
    });
    node.def("__dir__", [](py::object self) {
        auto names = py::module_::import("builtins").attr("object").attr("__dir__")(self).cast<py::list>();
        for (const auto* declaration : self.cast<const holvane::Node&>().Class().FieldDeclarations()) {
            names.append(std::string(declaration->name));
            names.append(SnakeCase(declaration->name));
        }
        return names;
    });
    node.def("__repr__", [](const holvane::Node& n) {
        return "<atrium.Node " + n.NodeType() + (n.DEFName().empty() ? "" : " " + n.DEFName()) + ">";
    });
    // Every node class the libraries make, so a node reaches Python as its own type (Viewpoint,
    // Material, qrx_OutlinedColumnSeries, ...).
#define ATRIUM_PYTHON_NODE_CLASS(Class, LIST) \
    py::class_<Class, holvane::Node, std::shared_ptr<Class>>(m, #Class);
    {
        using namespace holvane;
        HOLVANE_STANDARD_NODES(ATRIUM_PYTHON_NODE_CLASS)
        HOLVANE_UI_PROTOS(ATRIUM_PYTHON_NODE_CLASS)
        HOLVANE_NAV_PROTOS(ATRIUM_PYTHON_NODE_CLASS)
    }
    {
        using namespace holvane::graph;
        HOLVANE_GRAPH_PROTOS(ATRIUM_PYTHON_NODE_CLASS)
    }
#undef ATRIUM_PYTHON_NODE_CLASS
}

}  // namespace atrium_python
