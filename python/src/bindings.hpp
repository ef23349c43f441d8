#pragma once
// What the binding files share: the property helpers that give every member its library name
// and a snake_case alias, the colour argument, and the binder each file defines.
#include <pybind11/pybind11.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace atrium_python {

namespace py = pybind11;

// The snake_case alias of a library name: "TextHeight" -> "text_height", "XAxisProps" ->
// "x_axis_props", "diffuseColor" -> "diffuse_color", "DEFName" -> "def_name".
std::string SnakeCase(std::string_view name);

// A packed 0x00BBGGRR colour as the object model takes it, given from Python as that integer
// or as a web colour string "#RRGGBB".
struct Colour {
    std::int32_t packed = 0;
};
// The packed colour of a "#RRGGBB" string; ValueError for any other text.
std::int32_t PackedFromWebColour(std::string_view text);

// Defines a read-write property under its library name and its snake_case alias.
template <class Class, class Getter, class Setter>
void Property(Class& cls, const char* name, const Getter& get, const Setter& set) {
    cls.def_property(name, get, set);
    const std::string alias = SnakeCase(name);
    if (alias != name) cls.def_property(alias.c_str(), get, set);
}

// A colour property: reads the packed value, takes an integer or "#RRGGBB".
template <class Class, class C>
void ColourProperty(Class& cls, const char* name, std::int32_t (C::*get)() const, void (C::*set)(std::int32_t)) {
    using T = typename Class::type;
    Property(cls, name, [get](const T& self) { return (self.*get)(); },
             [set](T& self, Colour colour) { (self.*set)(colour.packed); });
}

// Defines a read-only property under its library name and its snake_case alias.
template <class Class, class Getter>
void ReadOnly(Class& cls, const char* name, const Getter& get) {
    cls.def_property_readonly(name, get);
    const std::string alias = SnakeCase(name);
    if (alias != name) cls.def_property_readonly(alias.c_str(), get);
}

// Defines a method under its library name and its snake_case alias.
template <class Class, class F, class... Extra>
void Method(Class& cls, const char* name, const F& f, const Extra&... extra) {
    cls.def(name, f, extra...);
    const std::string alias = SnakeCase(name);
    if (alias != name) cls.def(alias.c_str(), f, extra...);
}

// The binders, in the order the module runs them (each needs the types of those before it).
void BindErrors(py::module_& m);
void BindNodes(py::module_& m);
void BindParts(py::module_& m);
void BindGraphs(py::module_& m);
void BindCharts(py::module_& m);

}  // namespace atrium_python

namespace pybind11::detail {

// Colour arguments: an integer (packed 0x00BBGGRR) or a "#RRGGBB" string.
template <>
struct type_caster<atrium_python::Colour> {
    PYBIND11_TYPE_CASTER(atrium_python::Colour, const_name("int | str"));
    bool load(handle src, bool) {
        if (PyUnicode_Check(src.ptr())) {
            value.packed = atrium_python::PackedFromWebColour(src.cast<std::string>());
            return true;
        }
        if (!PyLong_Check(src.ptr())) return false;
        value.packed = src.cast<std::int32_t>();
        return true;
    }
    static handle cast(atrium_python::Colour colour, return_value_policy, handle) {
        return PyLong_FromLong(colour.packed);
    }
};

}  // namespace pybind11::detail
