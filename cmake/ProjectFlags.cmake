# The compile and link flags of the project's own targets: warnings (errors when
# ATRIUM_WARNINGS_AS_ERRORS is on), and the sanitizers of ATRIUM_SANITIZE (ON: address and
# undefined behaviour; thread) and ATRIUM_FUZZ (address and undefined behaviour).
set(ATRIUM_WARNING_FLAGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
# GCC 12 at -O3 reports -Wrestrict inside std::string's operator+ where no overlap can occur
# (a known false warning of the standard library's inlined code).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  list(APPEND ATRIUM_WARNING_FLAGS -Wno-restrict)
endif()
if(ATRIUM_WARNINGS_AS_ERRORS)
  list(APPEND ATRIUM_WARNING_FLAGS -Werror)
endif()
set(ATRIUM_SANITIZER_FLAGS "")
set(ATRIUM_SANITIZER_LINK_FLAGS "")
if(ATRIUM_SANITIZE STREQUAL "thread")
  set(ATRIUM_SANITIZER_LINK_FLAGS -fsanitize=thread)
  set(ATRIUM_SANITIZER_FLAGS ${ATRIUM_SANITIZER_LINK_FLAGS} -fno-omit-frame-pointer)
elseif(ATRIUM_SANITIZE OR ATRIUM_FUZZ)
  set(ATRIUM_SANITIZER_LINK_FLAGS -fsanitize=address,undefined)
  set(ATRIUM_SANITIZER_FLAGS ${ATRIUM_SANITIZER_LINK_FLAGS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
endif()

# Puts the flags on every compiled target defined in dir and its subfolders. Fuzz targets add
# -fsanitize=fuzzer themselves; everything else built for fuzzing gets coverage hooks.
function(atrium_apply_project_flags dir)
  get_property(_targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(_target IN LISTS _targets)
    get_target_property(_type ${_target} TYPE)
    if(NOT _type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      continue()
    endif()
    target_compile_options(${_target} BEFORE PRIVATE ${ATRIUM_WARNING_FLAGS} ${ATRIUM_SANITIZER_FLAGS})
    if(ATRIUM_FUZZ)
      target_compile_options(${_target} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
    if(ATRIUM_SANITIZER_FLAGS AND NOT _type STREQUAL "STATIC_LIBRARY" AND NOT _type STREQUAL "OBJECT_LIBRARY")
      target_link_options(${_target} PRIVATE ${ATRIUM_SANITIZER_LINK_FLAGS})
    endif()
  endforeach()
  get_property(_subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(_subdir IN LISTS _subdirs)
    atrium_apply_project_flags(${_subdir})
  endforeach()
endfunction()
