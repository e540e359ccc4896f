# libyaml, the YAML library of the CSES exchange (src/exchange): the YAML project's own C
# implementation, built from source with every build of the tree (the Windows target has no
# system library to link). It reads and writes through plain buffers: no C++ streams, whose
# locale machinery alone would be a quarter of each program. scripts/setup.sh unpacks Debian's
# source package into the git-ignored third_party/ (third_party/libyaml-<version>/);
# ORVEL_LIBYAML_SOURCE_DIR points elsewhere, for instance on a Windows machine with a release
# unpacked by hand.
set(ORVEL_LIBYAML_SOURCE_DIR "" CACHE PATH
    "libyaml's source folder (empty: the newest third_party/libyaml-*)")
set(libyaml_source "${ORVEL_LIBYAML_SOURCE_DIR}")
if(NOT libyaml_source)
  file(GLOB candidates "${PROJECT_SOURCE_DIR}/third_party/libyaml-*/include/yaml.h")
  if(candidates)
    # The newest version when setup.sh has unpacked several over time.
    list(SORT candidates COMPARE NATURAL ORDER DESCENDING)
    list(GET candidates 0 newest)
    get_filename_component(libyaml_source "${newest}" DIRECTORY)
    get_filename_component(libyaml_source "${libyaml_source}" DIRECTORY)
  endif()
endif()
if(NOT EXISTS "${libyaml_source}/include/yaml.h")
  message(FATAL_ERROR
    "libyaml's source is missing (no third_party/libyaml-*/include/yaml.h in "
    "${PROJECT_SOURCE_DIR}): run scripts/setup.sh, which fetches it with apt-get source, or set "
    "ORVEL_LIBYAML_SOURCE_DIR to an unpacked libyaml release.")
endif()

enable_language(C)
add_library(libyaml STATIC EXCLUDE_FROM_ALL
  ${libyaml_source}/src/api.c
  ${libyaml_source}/src/dumper.c
  ${libyaml_source}/src/emitter.c
  ${libyaml_source}/src/loader.c
  ${libyaml_source}/src/parser.c
  ${libyaml_source}/src/reader.c
  ${libyaml_source}/src/scanner.c
  ${libyaml_source}/src/writer.c)
# SYSTEM: its header is a system header to us, so our warning flags say nothing about it.
target_include_directories(libyaml SYSTEM PUBLIC ${libyaml_source}/include)
target_compile_definitions(libyaml PUBLIC YAML_DECLARE_STATIC
  PRIVATE YAML_VERSION_MAJOR=0 YAML_VERSION_MINOR=2 YAML_VERSION_PATCH=5
          YAML_VERSION_STRING="0.2.5")
# Code we do not maintain: its warnings would only fill the build log. Errors still stop it.
target_compile_options(libyaml PRIVATE -w)
if(CMAKE_C_COMPILER_ID STREQUAL "GNU" AND CMAKE_BUILD_TYPE STREQUAL "Release")
  target_compile_options(libyaml PRIVATE -Os)
endif()
# The sanitizer flags reach our targets through orvel_options, which libyaml does not link; it
# gets the same instrumentation so that a fault inside it is caught where it happens.
if(ORVEL_SANITIZE)
  target_compile_options(libyaml PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=undefined)
endif()
