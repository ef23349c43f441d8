# FLTK (Debian's libfltk1.3-dev), found by its header and library: the CMake files FLTK ships
# on Debian cannot be used, and CMake's own FindFLTK loads them. Sets FLTK_FOUND and the
# imported target FLTK::fltk.
find_path(FLTK_INCLUDE_DIR FL/Fl.H)
find_library(FLTK_LIBRARY fltk)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(FLTK REQUIRED_VARS FLTK_LIBRARY FLTK_INCLUDE_DIR)
if(FLTK_FOUND AND NOT TARGET FLTK::fltk)
  add_library(FLTK::fltk UNKNOWN IMPORTED)
  set_target_properties(FLTK::fltk PROPERTIES IMPORTED_LOCATION ${FLTK_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${FLTK_INCLUDE_DIR})
endif()
