# The data files: the proto files that every world names in its EXTERNPROTO lines, and the
# viewer page with the X_ITE runtime it loads (from npm, when the viewer is built).
#
# Installed under ${CMAKE_INSTALL_DATADIR}/atrium, they are found by the programs relative to
# their own folder (ATRIUM_DATA_FROM_PROGRAM, e.g. ../share/atrium), so an installed tree keeps
# working wherever it is moved. The build tree holds the same files at the same place relative
# to its programs in sample/ (ATRIUM_BUILD_DATA_DIR, e.g. build/share/atrium), so the programs
# run from the build tree as they do installed, and the install copies that folder.
set(ATRIUM_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/atrium)
file(RELATIVE_PATH ATRIUM_DATA_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/atrium)
cmake_path(ABSOLUTE_PATH ATRIUM_DATA_FROM_PROGRAM BASE_DIRECTORY ${PROJECT_BINARY_DIR}/sample NORMALIZE
  OUTPUT_VARIABLE ATRIUM_BUILD_DATA_DIR)
cmake_path(IS_PREFIX PROJECT_BINARY_DIR ${ATRIUM_BUILD_DATA_DIR} NORMALIZE _atrium_data_inside)
if(NOT _atrium_data_inside)
  if(ATRIUM_PROGRAMS)
    message(FATAL_ERROR "The programs find their data at ${ATRIUM_DATA_FROM_PROGRAM} from their own folder, "
      "which leaves the build tree: give CMAKE_INSTALL_BINDIR and CMAKE_INSTALL_DATADIR relative to the prefix")
  endif()
  set(ATRIUM_BUILD_DATA_DIR ${PROJECT_BINARY_DIR}/share/atrium)
endif()
# The npm packages of package.json, installed in the build tree.
set(ATRIUM_NODE_MODULES ${PROJECT_BINARY_DIR}/node_modules)

# Stages the proto files, and the viewer page when ATRIUM_VIEWER is on, in ATRIUM_BUILD_DATA_DIR.
# Each proto file is assembled from protos/NAME.wrl.in by the assemble_protos program (tools/protos):
# the PROTO bodies and shared fragments of protos/, with every interface written from the C++
# declaration tables. The same sources always give the same bytes.
function(atrium_stage_data)
  file(GLOB _skeletons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/protos/*.wrl.in)
  file(GLOB_RECURSE _sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/protos/*)
  set(_names "")
  set(_staged "")
  foreach(_skeleton IN LISTS _skeletons)
    cmake_path(GET _skeleton STEM LAST_ONLY _name)
    list(APPEND _names ${_name})
    list(APPEND _staged ${ATRIUM_BUILD_DATA_DIR}/protos/${_name})
  endforeach()
  add_custom_command(OUTPUT ${_staged}
    COMMAND assemble_protos ${PROJECT_SOURCE_DIR}/protos ${ATRIUM_BUILD_DATA_DIR}/protos ${_names}
    DEPENDS assemble_protos ${_sources}
    COMMENT "Assembling the proto files")
  add_custom_target(atrium_protos ALL DEPENDS ${_staged})
  # The folder the assembled proto files are staged in, for the tests that read them.
  set(ATRIUM_PROTO_DIR ${ATRIUM_BUILD_DATA_DIR}/protos PARENT_SCOPE)

  if(NOT ATRIUM_VIEWER)
    return()
  endif()
  # npm ci in the build tree, once and again whenever the lock file changes.
  set(_lock ${ATRIUM_NODE_MODULES}/.package-lock.json)
  configure_file(${PROJECT_SOURCE_DIR}/package.json ${PROJECT_BINARY_DIR}/package.json COPYONLY)
  configure_file(${PROJECT_SOURCE_DIR}/package-lock.json ${PROJECT_BINARY_DIR}/package-lock.json COPYONLY)
  add_custom_command(OUTPUT ${_lock}
    COMMAND ${NPM_EXECUTABLE} ci --no-audit --no-fund --loglevel=error
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    DEPENDS ${PROJECT_BINARY_DIR}/package.json ${PROJECT_BINARY_DIR}/package-lock.json
    COMMENT "Installing npm packages (x_ite, playwright-core)")
  file(GLOB_RECURSE _viewer CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/viewer/*)
  set(_stamp ${PROJECT_BINARY_DIR}/CMakeFiles/atrium_viewer.stamp)
  add_custom_command(OUTPUT ${_stamp}
    COMMAND ${CMAKE_COMMAND} -DVIEWER=${PROJECT_SOURCE_DIR}/viewer -DXITE=${ATRIUM_NODE_MODULES}/x_ite/dist
            -DOUT=${ATRIUM_BUILD_DATA_DIR}/viewer -P ${PROJECT_SOURCE_DIR}/cmake/StageViewer.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${_stamp}
    DEPENDS ${_viewer} ${_lock} ${PROJECT_SOURCE_DIR}/cmake/StageViewer.cmake
    COMMENT "Staging the viewer page and X_ITE")
  add_custom_target(atrium_viewer ALL DEPENDS ${_stamp})
endfunction()
