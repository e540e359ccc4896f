# Warnings and platform flags shared by every target of the tree.
add_library(orvel_options INTERFACE)
target_compile_options(orvel_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                       -Wno-sign-conversion)

# GCC 12 reports -Wrestrict inside libstdc++'s own string copies for code that only assigns or
# concatenates strings (a known false positive of that release, fixed in GCC 13).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(orvel_options INTERFACE -Wno-restrict)
endif()

if(WIN32)
  # Unicode W functions everywhere; the ANSI code page is reached only through the text codec.
  # The headers declare only what Windows 7 has, so that a newer function called directly is a
  # compile error: newer ones are loaded by name at run time (see LoadProc in win32/handles.h).
  target_compile_definitions(orvel_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                             _WIN32_WINNT=0x0601 WINVER=0x0601)
  # A classroom PC has no MinGW runtime DLLs: link everything statically.
  target_link_options(orvel_options INTERFACE -static -static-libgcc -static-libstdc++)
  if(MINGW)
    # The static runtime is most of each program. The linker drops the runtime's sections that
    # nothing calls, and Release optimises for size: the programs redraw at most once a second,
    # and -O3 made them 1.67 MB where -Os makes them under 1.5 MB. The tests are built the same
    # way, so that they run what ships.
    target_link_options(orvel_options INTERFACE -Wl,--gc-sections)
    set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
  endif()
endif()

if(ORVEL_SANITIZE)
  target_compile_options(orvel_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=undefined)
  target_link_options(orvel_options INTERFACE -fsanitize=address,undefined)
endif()
