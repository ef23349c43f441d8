// atrium.Error: every error of the libraries reaches Python as a ValueError subclass whose text
// is the library's message and whose number is the library's error number.
#include "bindings.hpp"
#include "holvane/error.hpp"

namespace atrium_python {

void BindErrors(py::module_& m) {
    // Kept for the life of the process: the translator runs until the interpreter ends.
    static py::handle errorType =
        py::exception<holvane::Error>(m, "Error", PyExc_ValueError).release();
    errorType.attr("__module__") = "atrium";
    errorType.attr("__doc__") =
        "An error of the Atrium libraries: str(error) is its message, error.number its 32-bit number.";
    py::register_exception_translator([](std::exception_ptr raised) {
        try {
            if (raised) std::rethrow_exception(raised);
        } catch (const holvane::Error& e) {
            py::object error = errorType(e.what());
            error.attr("number") = e.number();
            PyErr_SetObject(errorType.ptr(), error.ptr());
        }
    });
}

}  // namespace atrium_python
