# The project's own compile and link flags, carried to every program by the
# interface target program_flags. They come after the builder's CXXFLAGS and
# LDFLAGS (CMAKE_CXX_FLAGS, CMAKE_EXE_LINKER_FLAGS), which stay untouched.
# Each flag is used only where the toolchain has it, so the same lists build
# with g++, clang++ and libc++ alike.

include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)
include(CheckLinkerFlag)
include(CheckPIESupported)

# Off by default: a distribution configures without a preset and wants
# programs linked to the shared libraries its security updates reach. The
# default preset turns it on for our own builds.
option(STATIC_PROGRAMS "Link the programs as static PIEs where the toolchain can" OFF)
set(SANITIZERS "" CACHE STRING
    "Sanitizers to build with, as for -fsanitize= (e.g. address,undefined)")

add_library(program_flags INTERFACE)

# clang-tidy and cppcheck on every source as it compiles, their findings
# failing the build (the lint preset). From cppcheck 2.11 on, the default
# level stops short on long functions and says so, which counts as one.
option(LINT "Run clang-tidy and cppcheck on every source" OFF)
if(LINT)
    find_program(CLANG_TIDY clang-tidy REQUIRED)
    find_program(CPPCHECK cppcheck REQUIRED)
    set(CMAKE_CXX_CLANG_TIDY ${CLANG_TIDY} --quiet)
    set(CMAKE_CXX_CPPCHECK ${CPPCHECK} --enable=warning,style,performance,portability
        --std=c++20 --inline-suppr --error-exitcode=1 --quiet)
    execute_process(COMMAND ${CPPCHECK} --help OUTPUT_VARIABLE help)
    if(help MATCHES "--check-level")
        list(APPEND CMAKE_CXX_CPPCHECK --check-level=exhaustive)
    endif()
endif()

if(CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang)$")
    target_compile_options(program_flags INTERFACE
        -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
        -Wold-style-cast)
endif()

if(SANITIZERS)
    target_compile_options(program_flags INTERFACE
        -fsanitize=${SANITIZERS} -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_link_options(program_flags INTERFACE -fsanitize=${SANITIZERS})
endif()

# Hardening as distributions build, and sections for the linker to drop
# what no program uses (less to map and touch at every start).
foreach(flag -fstack-protector-strong -fstack-clash-protection
             -fcf-protection -ffunction-sections -fdata-sections)
    string(MAKE_C_IDENTIFIER "HAVE_CXX${flag}" have)
    check_cxx_compiler_flag(${flag} ${have})
    if(${have})
        target_compile_options(program_flags INTERFACE ${flag})
    endif()
endforeach()
foreach(flag -z,relro,-z,now --gc-sections)
    string(MAKE_C_IDENTIFIER "HAVE_LD${flag}" have)
    check_linker_flag(CXX LINKER:${flag} ${have})
    if(${have})
        target_link_options(program_flags INTERFACE LINKER:${flag})
    endif()
endforeach()

# Fortified calls need optimisation and get in the sanitizers' way. A
# level already set, by the builder's flags or by the compiler itself (as
# Ubuntu's, Alpine's and Gentoo's do), is left alone: a second definition
# would warn, and could lower it. So the compiler is asked, with the
# flags of an optimised build, and asked again when those flags change.
if(NOT SANITIZERS)
    if(CMAKE_BUILD_TYPE AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
        string(TOUPPER "${CMAKE_BUILD_TYPE}" config)
    else()
        set(config RELEASE) # multi-config: Debug gets no definition anyway
    endif()
    set(CMAKE_REQUIRED_FLAGS "${CMAKE_CXX_FLAGS_${config}}")
    string(MD5 flags_key "${CMAKE_CXX_COMPILER} ${CMAKE_CXX_FLAGS} ${CMAKE_REQUIRED_FLAGS}")
    check_cxx_source_compiles([[
        #include <cstdio>
        #ifdef _FORTIFY_SOURCE
        #error the toolchain fortifies already
        #endif
        int main() { std::puts(""); }
    ]] FORTIFY_UNSET_${flags_key})
    unset(CMAKE_REQUIRED_FLAGS)
    if(FORTIFY_UNSET_${flags_key})
        target_compile_definitions(program_flags INTERFACE
            $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    else()
        message(STATUS "_FORTIFY_SOURCE: the level the toolchain sets is kept")
    endif()
endif()

# Static linking takes the dynamic loader's symbol resolution off every
# start; -static-pie keeps address-space randomisation. A toolchain
# without the static libraries gets ordinary PIEs instead.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
set(PROGRAMS_STATIC OFF)
if(STATIC_PROGRAMS AND NOT SANITIZERS)
    set(CMAKE_REQUIRED_FLAGS -fPIE)
    set(CMAKE_REQUIRED_LINK_OPTIONS -static-pie)
    check_cxx_source_compiles([[
        #include <iostream>
        int main() { std::cout << 1; }
    ]] HAVE_STATIC_PIE)
    unset(CMAKE_REQUIRED_FLAGS)
    unset(CMAKE_REQUIRED_LINK_OPTIONS)
    if(HAVE_STATIC_PIE)
        set(PROGRAMS_STATIC ON)
    else()
        message(NOTICE "STATIC_PROGRAMS: ${CMAKE_CXX_COMPILER_ID} cannot link "
                       "-static-pie here; the programs are ordinary PIEs")
    endif()
endif()
if(PROGRAMS_STATIC)
    target_link_options(program_flags INTERFACE -static-pie)
else()
    # Only now, or -pie would follow -static-pie and undo it.
    check_pie_supported()
endif()
