# The pieces the sample programs and the tests can go without. Each is looked for with
# find_package (cmake/find/), so -DCMAKE_DISABLE_FIND_PACKAGE_<Name>=ON hides it; configure
# names each missing one on one line, with what is skipped and the Debian package that brings it.
#
#   ATRIUM_VIEWER  npm and node (Npm): the viewer page with its X_ITE runtime
#   ATRIUM_BROWSER_TESTS  the viewer and node 20 or later, which playwright-core needs
#   ATRIUM_SERVE   cpp-httplib (httplib) and the viewer: atrium-view, atrium-test --open
#   ATRIUM_WINDOW  FLTK and serving: the desktop window atrium-test-window

function(_atrium_missing piece packages skipped)
  message(STATUS "Atrium: no ${piece} (apt-get install ${packages}): ${skipped} skipped")
endfunction()

find_package(Npm QUIET)
set(ATRIUM_VIEWER ON)
if(NOT Npm_FOUND)
  set(ATRIUM_VIEWER OFF)
  _atrium_missing(npm "nodejs npm" "the viewer page, atrium-view, atrium-test --open, atrium-test-window and the browser tests")
endif()
set(ATRIUM_BROWSER_TESTS ${ATRIUM_VIEWER})
if(ATRIUM_VIEWER AND NODE_VERSION VERSION_LESS 20)
  set(ATRIUM_BROWSER_TESTS OFF)
  message(STATUS "Atrium: node ${NODE_VERSION} is older than 20, which playwright-core needs: the browser tests skipped")
endif()

find_package(httplib QUIET)
set(ATRIUM_SERVE OFF)
if(NOT httplib_FOUND)
  _atrium_missing(cpp-httplib "pkg-config libcpp-httplib-dev" "atrium-view, atrium-test --open and atrium-test-window")
elseif(ATRIUM_VIEWER)
  set(ATRIUM_SERVE ON)
endif()

find_package(FLTK QUIET)
set(ATRIUM_WINDOW OFF)
if(NOT FLTK_FOUND)
  _atrium_missing(FLTK libfltk1.3-dev "the desktop window atrium-test-window")
elseif(ATRIUM_SERVE)
  set(ATRIUM_WINDOW ON)
endif()
