# yaml-cpp, the YAML library of the CSES exchange (src/exchange), built from source with every
# build of the tree: the Windows target has no system library to link, and one source for all
# three presets keeps them alike. scripts/setup.sh unpacks Debian's source package into the
# git-ignored third_party/ (third_party/yaml-cpp-<version>/); ORVEL_YAML_CPP_SOURCE_DIR points
# elsewhere, for instance on a Windows machine with a release unpacked by hand.
set(ORVEL_YAML_CPP_SOURCE_DIR "" CACHE PATH
    "yaml-cpp's source folder (empty: the newest third_party/yaml-cpp-*)")
set(yaml_cpp_source "${ORVEL_YAML_CPP_SOURCE_DIR}")
if(NOT yaml_cpp_source)
  file(GLOB candidates "${PROJECT_SOURCE_DIR}/third_party/yaml-cpp-*/CMakeLists.txt")
  if(candidates)
    # The newest version when setup.sh has unpacked several over time.
    list(SORT candidates COMPARE NATURAL ORDER DESCENDING)
    list(GET candidates 0 newest)
    get_filename_component(yaml_cpp_source "${newest}" DIRECTORY)
  endif()
endif()
if(NOT EXISTS "${yaml_cpp_source}/CMakeLists.txt")
  message(FATAL_ERROR
    "yaml-cpp's source is missing (no third_party/yaml-cpp-*/CMakeLists.txt in "
    "${PROJECT_SOURCE_DIR}): run scripts/setup.sh, which fetches it with apt-get source, or set "
    "ORVEL_YAML_CPP_SOURCE_DIR to an unpacked yaml-cpp release.")
endif()

# A static library and nothing else: no tests, parse tools, contrib or install rules.
set(YAML_CPP_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(YAML_CPP_BUILD_TOOLS OFF CACHE BOOL "" FORCE)
set(YAML_CPP_BUILD_CONTRIB OFF CACHE BOOL "" FORCE)
set(YAML_CPP_INSTALL OFF CACHE BOOL "" FORCE)
set(YAML_BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)
# EXCLUDE_FROM_ALL: built only for the targets that link it. SYSTEM: its headers are system
# headers to us, so our -Wall -Wextra -Wconversion ... say nothing about its code.
add_subdirectory("${yaml_cpp_source}" "${CMAKE_BINARY_DIR}/third_party/yaml-cpp"
                 EXCLUDE_FROM_ALL SYSTEM)

# Its own warning flags (-Weffc++ among them) only fill the build log with remarks on code we do
# not maintain; -w keeps them out. Errors still stop the build.
target_compile_options(yaml-cpp PRIVATE -w)
# The sanitizer and fuzzing flags reach our targets through orvel_options, which yaml-cpp does
# not link; it gets the same instrumentation so that a fault inside it is caught where it happens.
if(ORVEL_SANITIZE)
  target_compile_options(yaml-cpp PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=undefined)
endif()
