# cpp-httplib, the header-only HTTP server (Debian's libcpp-httplib-dev), through pkg-config.
# Sets httplib_FOUND and the imported target httplib::httplib.
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(HTTPLIB QUIET IMPORTED_TARGET cpp-httplib)
endif()
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(httplib REQUIRED_VARS HTTPLIB_FOUND VERSION_VAR HTTPLIB_VERSION)
if(httplib_FOUND AND NOT TARGET httplib::httplib)
  add_library(httplib::httplib INTERFACE IMPORTED)
  target_link_libraries(httplib::httplib INTERFACE PkgConfig::HTTPLIB)
endif()
