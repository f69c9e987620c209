# The hardening every optimised build a user runs gets (tools/run.sh and
# tools/package.sh alike), so the binary on a user's machine is as well
# defended whether it came from the package or from a plain build. Sanitized
# and unoptimised builds are for testing and keep their own instrumentation.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)
include(CheckLinkerFlag)

option(TICKWRIGHT_HARDENING "Harden optimised builds (stack protector, fortify, CET, RELRO)" ON)

# Optimised: a build type that optimises, or none with an optimisation level
# in the flags (as Debian's dpkg-buildflags give one). Fortification works
# only on optimised code, and warns on every file otherwise, so an
# unoptimised build (Debug, or no build type and no -O) is not hardened.
set(TICKWRIGHT_OPTIMISED OFF)
if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    set(TICKWRIGHT_OPTIMISED ON)
elseif(NOT CMAKE_BUILD_TYPE AND CMAKE_CXX_FLAGS MATCHES "(^| )-O([1-3sz]|fast)?( |$)")
    set(TICKWRIGHT_OPTIMISED ON)
endif()
if(WIN32)
    # A Windows release's defences, for every build: address-space layout
    # randomisation with 64-bit entropy, no execution of data, the stack
    # protector; and one file, the compiler's libraries linked in.
    add_compile_options(-fstack-protector-strong)
    add_link_options(-static -fstack-protector-strong
                     -Wl,--dynamicbase -Wl,--nxcompat -Wl,--high-entropy-va)
    # Sections laid out in the file as in memory, page by page. For Wine: it
    # maps a program's pages from the file as they are used only when they
    # are so aligned, and copies the whole image in otherwise (a megabyte of
    # memory at start-up). Windows loads images of either alignment; there
    # it only pads the file.
    add_link_options(-Wl,--file-alignment,4096)
    # A release ships without its symbols, as Windows programs do: the
    # download stays small.
    add_link_options($<$<CONFIG:Release,MinSizeRel>:-s>)
    return()
endif()

if(TICKWRIGHT_HARDENING AND NOT TICKWRIGHT_SANITIZE AND NOT TICKWRIGHT_OPTIMISED)
    message(STATUS "Hardening: skipped, this build is not optimised "
                   "(build type '${CMAKE_BUILD_TYPE}', flags '${CMAKE_CXX_FLAGS}')")
endif()

if(TICKWRIGHT_HARDENING AND NOT TICKWRIGHT_SANITIZE AND TICKWRIGHT_OPTIMISED)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_options(-fstack-protector-strong)
    # Debian's dpkg-buildflags may already name a level; never define it twice.
    if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
        add_compile_definitions(_FORTIFY_SOURCE=2)
    endif()
    foreach(flag -fstack-clash-protection -fcf-protection)
        string(MAKE_C_IDENTIFIER "TICKWRIGHT_HAS${flag}" supported)
        check_cxx_compiler_flag(${flag} ${supported})
        if(${supported})
            add_compile_options(${flag})
        endif()
    endforeach()
    # The compiler's switches go into the binary (.GCC.command.line), so a
    # test can read from the binary itself what left no other mark, such as
    # stack-clash protection.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-frecord-gcc-switches)
    else()
        add_compile_options(-frecord-command-line)
    endif()
    add_link_options(-Wl,-z,relro -Wl,-z,now)
    # CET: -fcf-protection marks our own objects, but the linker keeps the
    # mark only where every object has it, and Debian's C start files do not.
    # Their code is ordinary calls and returns, so the shadow-stack mark is
    # true of the whole program and is set explicitly; the indirect-branch
    # (IBT) mark would not be (their _init has no landing pad), so it comes
    # only where the start files carry it.
    if(TICKWRIGHT_HAS_fcf_protection)
        check_linker_flag(CXX "-Wl,-z,shstk" TICKWRIGHT_LINKER_HAS_SHSTK)
        if(TICKWRIGHT_LINKER_HAS_SHSTK)
            add_link_options(-Wl,-z,shstk)
        endif()
    endif()
endif()
