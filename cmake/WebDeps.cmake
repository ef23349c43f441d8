# Installs the pinned npm packages (package.json / package-lock.json at the top of the tree)
# into the source tree's node_modules once, and again whenever the lock file changes.
find_program(NPM_EXECUTABLE npm)
set(ATRIUM_NODE_MODULES ${CMAKE_SOURCE_DIR}/node_modules)
if(NPM_EXECUTABLE AND EXISTS ${CMAKE_SOURCE_DIR}/package-lock.json)
  add_custom_command(
    OUTPUT ${ATRIUM_NODE_MODULES}/.package-lock.json
    COMMAND ${NPM_EXECUTABLE} ci --no-audit --no-fund --loglevel=error
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    DEPENDS ${CMAKE_SOURCE_DIR}/package.json ${CMAKE_SOURCE_DIR}/package-lock.json
    COMMENT "Installing npm packages (x_ite, playwright-core)")
  add_custom_target(web_deps ALL DEPENDS ${ATRIUM_NODE_MODULES}/.package-lock.json)
else()
  message(WARNING "npm not found: the viewer and the browser tests will be unavailable")
  add_custom_target(web_deps)
endif()
