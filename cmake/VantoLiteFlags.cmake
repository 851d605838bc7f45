# Compiler and linker settings of the launcher.

# Code of the launcher itself: small, no C++ runtime beyond the compiler's
# support routines, warnings as errors.
function(vantolite_product_flags target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Werror
    -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -ffunction-sections -fdata-sections
    # No build folder in the binary: two builds from different folders
    # give the same bytes.
    -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
    -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
endfunction()

# Any Windows executable the project builds, the launcher and its test
# tools: no MinGW runtime DLL, no link time stamp.
function(vantolite_executable_flags target)
  target_link_options(${target} PRIVATE
    -static -static-libgcc -static-libstdc++
    -Wl,--gc-sections -s
    -Wl,--no-insert-timestamp)
endfunction()

# The launcher itself runs with administrator rights: every exploit
# mitigation the PE format offers that MinGW can set. Relocations stay in
# the file so that the system can move it (ASLR), on 64-bit to anywhere in
# the address space (high entropy); its memory is not executable as data
# (DEP); it is terminal-server aware.
function(vantolite_hardening_flags target)
  target_link_options(${target} PRIVATE
    -Wl,--dynamicbase -Wl,--nxcompat -Wl,--tsaware)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    target_link_options(${target} PRIVATE -Wl,--high-entropy-va)
  endif()
endfunction()
