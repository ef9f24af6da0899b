# The release's version: PROJECT_VERSION of the top CMakeLists.txt is the one place it is written.
# From it come the header the about box reads, the version resources of the four deliverables,
# the program's manifest and the names of the packages (scripts/package.sh reads
# quillbox-version.txt of the build tree).
set(QB_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
set(QB_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
set(QB_VERSION_DOTS "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
set(QB_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

configure_file(${CMAKE_CURRENT_LIST_DIR}/quillbox_version.h.in
               ${QB_GENERATED_DIR}/quillbox_version.h @ONLY)
file(WRITE ${CMAKE_BINARY_DIR}/quillbox-version.txt "${QB_VERSION_TEXT}\n")

add_library(qb_version INTERFACE)
target_include_directories(qb_version INTERFACE ${QB_GENERATED_DIR})

# Gives a Windows program or library its version resource:
#   qb_version_resource(<target> FILE <file name> DESCRIPTION <text> [MANIFEST <manifest.in>])
# The description is UTF-8 (the resource script declares code page 65001). A manifest template
# is configured with the version and embedded as the program's manifest.
function(qb_version_resource target)
  cmake_parse_arguments(ARG "" "FILE;DESCRIPTION;MANIFEST" "" ${ARGN})
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "EXECUTABLE")
    set(QB_FILE_TYPE VFT_APP)
  else()
    set(QB_FILE_TYPE VFT_DLL)
  endif()
  set(QB_FILE_NAME ${ARG_FILE})
  set(QB_FILE_DESCRIPTION ${ARG_DESCRIPTION})
  set(QB_MANIFEST_LINE "")
  if(ARG_MANIFEST)
    configure_file(${ARG_MANIFEST} ${QB_GENERATED_DIR}/${target}.manifest @ONLY)
    set(QB_MANIFEST_LINE "1 RT_MANIFEST \"${QB_GENERATED_DIR}/${target}.manifest\"")
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in
                 ${QB_GENERATED_DIR}/${target}_version.rc @ONLY)
  target_sources(${target} PRIVATE ${QB_GENERATED_DIR}/${target}_version.rc)
endfunction()
