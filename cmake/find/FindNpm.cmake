# npm and node, which install and run the pinned web packages (package.json).
# Sets Npm_FOUND, NPM_EXECUTABLE and NODE_EXECUTABLE.
find_program(NPM_EXECUTABLE npm)
find_program(NODE_EXECUTABLE node)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Npm REQUIRED_VARS NPM_EXECUTABLE NODE_EXECUTABLE)
