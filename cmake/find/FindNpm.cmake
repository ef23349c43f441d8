# npm and node, which install and run the pinned web packages (package.json).
# Sets Npm_FOUND, NPM_EXECUTABLE, NODE_EXECUTABLE and NODE_VERSION.
find_program(NPM_EXECUTABLE npm)
find_program(NODE_EXECUTABLE node)
if(NODE_EXECUTABLE)
  execute_process(COMMAND ${NODE_EXECUTABLE} --version OUTPUT_VARIABLE NODE_VERSION OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX REPLACE "^v" "" NODE_VERSION "${NODE_VERSION}")
endif()
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Npm REQUIRED_VARS NPM_EXECUTABLE NODE_EXECUTABLE)
