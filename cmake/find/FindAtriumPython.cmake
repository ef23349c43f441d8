# The Python the module atrium is built for (Debian's python3 and python3-dev) and pybind11
# (pybind11-dev). Sets AtriumPython_FOUND, Python_EXECUTABLE and pybind11_add_module.
#
# Debian's own /usr/bin/python3 is taken before a python3 earlier on PATH (pyenv, a virtual
# environment): Debian's python3-numpy, python3-pytest and python3-pandas are installed for it,
# and another interpreter may lack them. -DPython_EXECUTABLE=... picks another one.
if(NOT Python_EXECUTABLE)
  find_program(Python_EXECUTABLE python3 PATHS /usr/bin NO_DEFAULT_PATH)
  find_program(Python_EXECUTABLE python3)
endif()
find_package(Python 3.8 QUIET COMPONENTS Interpreter Development.Module)
if(Python_FOUND)
  find_package(pybind11 2.6 CONFIG QUIET)
endif()
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(AtriumPython REQUIRED_VARS Python_FOUND pybind11_FOUND)
