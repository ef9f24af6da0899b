# Compile settings every Quillbox target shares: C++20, warnings, and narrow literals in Shift-JIS.
# clang accepts no execution character set but UTF-8, so the fuzz build (clang) keeps UTF-8
# literals: it looks for crashes, not for message bytes.
if(QB_FUZZ)
  set(QB_CHARSET_FLAGS)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
else()
  set(QB_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=CP932)
endif()

function(qb_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra ${QB_CHARSET_FLAGS})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 warns falsely about overlapping copies inside std::string's operator+ (fixed in 13).
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(QB_WINDOWS)
    target_compile_definitions(${target} PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                _WIN32_WINNT=0x0601)
  endif()
endfunction()

# A portable static library: qb_library(name SOURCES ... DEPENDS ...)
function(qb_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  qb_defaults(${name})
  if(ARG_DEPENDS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  endif()
endfunction()

if(QB_WINDOWS)
  # Self-contained Windows binaries: no libgcc/libstdc++/winpthread DLLs beside them.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# Folder names to leave out of the build (a developer's partial build: QB_SKIP_FOLDERS=lan;paste).
set(QB_SKIP_FOLDERS "" CACHE STRING "Child folders left out of the build")

# Adds every child folder of `parent` that has a CMakeLists.txt of its own, in name order.
function(qb_add_child_folders parent)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${parent} ${parent}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(child IN_LIST QB_SKIP_FOLDERS)
      continue()
    endif()
    if(EXISTS ${parent}/${child}/CMakeLists.txt)
      add_subdirectory(${parent}/${child})
    endif()
  endforeach()
endfunction()
