# Browser tests: show a world in the viewer page in headless chromium and check it with
# tests/browser/harness.mjs (see tests/browser/README.md).
#
#   atrium_browser_test(NAME <name> ROOT <dir> WORLD <file> SCREENSHOT <png>
#                       [SCRIPT <mjs>] [DEPENDS_FIXTURE <fixture>]
#                       [TIMEOUT <seconds>] [VIEWER_FROM_SOURCE])
#
# ROOT is a folder laid out as viewer/index.html describes (worlds, proto files, the viewer
# page and x_ite/); relative ROOT and SCREENSHOT paths are taken from the current binary
# folder, a relative SCRIPT from the current source folder. SCRIPT's default export runs
# interaction checks once the world has loaded. DEPENDS_FIXTURE names a ctest fixture that
# produces ROOT (e.g. a test running the sample program). VIEWER_FROM_SOURCE serves the
# viewer page and X_ITE from the source tree, for a ROOT that holds only worlds. TIMEOUT is
# the whole test's limit (default 180 s); the world itself must load within 60 s.
#
#   atrium_browser_test(NAME <name> PAGE <file.html> SCREENSHOT <png> [SCRIPT <mjs>]
#                       [DEPENDS_FIXTURE <fixture>] [TIMEOUT <seconds>])
# opens a self-contained page (atrium-view --html) from disk instead, with no server, showing
# the world as written (a relative PAGE is taken from the current binary folder); the page,
# with X_ITE inside, must load within 180 s.
#
# The tests run one at a time (RESOURCE_LOCK browser) and are reported as skipped when
# chromium, playwright-core or node is missing (a build without npm has no viewer, and node
# before 20 cannot run playwright-core), unless
# ATRIUM_REQUIRE_BROWSER=1 is set in the environment of ctest (then they fail). They find the
# build's npm packages and X_ITE runtime through ATRIUM_BROWSER_TEST_ENVIRONMENT.

cmake_path(SET ATRIUM_BROWSER_TEST_DIR NORMALIZE "${CMAKE_CURRENT_LIST_DIR}/../tests/browser")
set(ATRIUM_BROWSER_TEST_ENVIRONMENT
  ATRIUM_NODE_MODULES=${ATRIUM_NODE_MODULES} ATRIUM_XITE_DIR=${ATRIUM_BUILD_DATA_DIR}/viewer/x_ite)

# Adds properties shared by every browser test.
function(_atrium_browser_test_properties name timeout fixture)
  set_tests_properties(${name} PROPERTIES
    SKIP_RETURN_CODE 77
    TIMEOUT ${timeout}
    RESOURCE_LOCK browser
    LABELS browser
    ENVIRONMENT "${ATRIUM_BROWSER_TEST_ENVIRONMENT}")
  if(fixture)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED ${fixture})
  endif()
endfunction()

# Registers a placeholder that reports a browser test as skipped in a build that cannot run it.
function(_atrium_browser_test_without_viewer name)
  if("$ENV{ATRIUM_REQUIRE_BROWSER}" STREQUAL "1")
    add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E false)
  else()
    add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "no npm or node 20 in this build: browser test skipped")
    set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "no npm or node 20 in this build")
  endif()
endfunction()

function(atrium_browser_test)
  cmake_parse_arguments(PARSE_ARGV 0 ARG "VIEWER_FROM_SOURCE"
    "NAME;ROOT;WORLD;PAGE;SCREENSHOT;SCRIPT;DEPENDS_FIXTURE;TIMEOUT" "")
  set(_required NAME ROOT WORLD SCREENSHOT)
  if(ARG_PAGE)
    set(_required NAME SCREENSHOT)
  endif()
  foreach(required ${_required})
    if(NOT ARG_${required})
      message(FATAL_ERROR "atrium_browser_test: ${required} is required")
    endif()
  endforeach()
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "atrium_browser_test: unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 180)
  endif()

  if(NOT ATRIUM_BROWSER_TESTS)
    _atrium_browser_test_without_viewer(${ARG_NAME})
  else()
    cmake_path(ABSOLUTE_PATH ARG_SCREENSHOT BASE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
    set(command ${NODE_EXECUTABLE} ${ATRIUM_BROWSER_TEST_DIR}/harness.mjs --screenshot ${ARG_SCREENSHOT})
    if(ARG_PAGE)
      cmake_path(ABSOLUTE_PATH ARG_PAGE BASE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
      list(APPEND command --page ${ARG_PAGE} --timeout 180)
    else()
      cmake_path(ABSOLUTE_PATH ARG_ROOT BASE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
      list(APPEND command --root ${ARG_ROOT} --world ${ARG_WORLD})
    endif()
    if(ARG_SCRIPT)
      cmake_path(ABSOLUTE_PATH ARG_SCRIPT BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}")
      list(APPEND command --script ${ARG_SCRIPT})
    endif()
    if(ARG_VIEWER_FROM_SOURCE)
      list(APPEND command --viewer-from-source)
    endif()
    add_test(NAME ${ARG_NAME} COMMAND ${command})
  endif()
  _atrium_browser_test_properties(${ARG_NAME} ${ARG_TIMEOUT} "${ARG_DEPENDS_FIXTURE}")
endfunction()

