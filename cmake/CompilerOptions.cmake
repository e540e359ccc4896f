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
  target_compile_definitions(orvel_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                             _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  # A classroom PC has no MinGW runtime DLLs: link everything statically.
  target_link_options(orvel_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

if(ORVEL_SANITIZE)
  target_compile_options(orvel_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=undefined)
  target_link_options(orvel_options INTERFACE -fsanitize=address,undefined)
endif()
