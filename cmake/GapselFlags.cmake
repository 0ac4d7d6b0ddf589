# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Gapsel developers

# Every target of the project links gapsel_flags: one place for the language
# level, the warnings (as errors) and Qt's stricter string handling.
add_library(gapsel_flags INTERFACE)
target_compile_features(gapsel_flags INTERFACE cxx_std_20)
target_compile_options(gapsel_flags INTERFACE
    -Wall -Wextra -Wpedantic -Werror
    -Wold-style-cast -Wnon-virtual-dtor -Wshadow=local
    # A section per function, so that the linker can lay the program's
    # functions out in the order of cmake/gapsel-startup.order.
    $<$<NOT:$<CONFIG:Debug>>:-ffunction-sections>)
target_compile_definitions(gapsel_flags INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    GAPSEL_BUNDLE_ID="${GAPSEL_BUNDLE_ID}"
    GAPSEL_BUNDLE_NAME="${GAPSEL_BUNDLE_NAME}"
    GAPSEL_VERSION="${PROJECT_VERSION}"
    GAPSEL_BUILD_NUMBER=${GAPSEL_BUILD_NUMBER})

# Gives a library the include root of its own source folder only: a folder
# in the build tree under the library's name, where "defaults/Key.h" is found
# by the library's own sources and by what links it, and by nothing else: a
# layer that includes a header of a library it does not link fails to compile
# (tests/layering proves it). The root links the whole source folder, or,
# when subfolders are libraries of their own (kit/ui, platform/sim), each of
# the folder's headers by name, so that theirs stay out of sight.
function(gapsel_include_root name scope)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${PROJECT_BINARY_DIR}/include/${name})
    # What an earlier configuration linked goes first. A link to the source
    # folder is removed as a link: nothing is ever deleted behind it.
    if(IS_SYMLINK ${root}/${folder})
        file(REMOVE ${root}/${folder})
    elseif(IS_DIRECTORY ${root}/${folder})
        file(REMOVE_RECURSE ${root}/${folder})
    endif()
    file(GLOB sublibraries ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
    if(sublibraries)
        file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
            ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
        file(MAKE_DIRECTORY ${root}/${folder})
        foreach(header IN LISTS headers)
            file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${folder}/${header}
                SYMBOLIC)
        endforeach()
    else()
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${name} ${scope} ${root})
endfunction()

# Adds a library for one source folder, linked to the common flags.
function(gapsel_library name)
    add_library(${name} ${ARGN})
    target_link_libraries(${name} PUBLIC gapsel_flags)
    gapsel_include_root(${name} PUBLIC)
endfunction()

# Links the program `target` with the functions that a start runs side by
# side (cmake/gapsel-startup.order, written by scripts/order-functions): a
# start then reads, and keeps resident, a few pages of the program instead of
# pages all over it. lld 15 and later also pack the relative relocations
# (DT_RELR, glibc 2.36), which halves the table the loader reads first. Needs
# lld (scripts/setup installs lld-16); debug builds and builds without lld
# link as usual.
function(gapsel_link_in_startup_order target)
    find_program(GAPSEL_LLD NAMES ld.lld-16 ld.lld)
    if(NOT GAPSEL_LLD)
        message(STATUS "ld.lld not found: ${target} is linked without the start-up order")
        return()
    endif()
    # GCC runs the "ld.lld" of the -B folder: ld.lld-16 is a link to one.
    set(lld ${GAPSEL_LLD})
    while(IS_SYMLINK ${lld} AND NOT lld MATCHES "/ld\\.lld$")
        file(READ_SYMLINK ${lld} next)
        get_filename_component(folder ${lld} DIRECTORY)
        get_filename_component(lld ${next} ABSOLUTE BASE_DIR ${folder})
    endwhile()
    get_filename_component(folder ${lld} DIRECTORY)
    execute_process(COMMAND ${GAPSEL_LLD} --version OUTPUT_VARIABLE version)
    set(relr "")
    if(version MATCHES "LLD ([0-9]+)" AND CMAKE_MATCH_1 GREATER_EQUAL 15)
        set(relr ";-Wl,-z,pack-relative-relocs")
        # dpkg-shlibdeps sees symbols, not the loader's new version need.
        set_property(GLOBAL APPEND PROPERTY GAPSEL_PACKAGE_DEPENDS "libc6 (>= 2.36)")
    endif()
    set(order ${PROJECT_SOURCE_DIR}/cmake/gapsel-startup.order)
    target_link_options(${target} PRIVATE "$<$<NOT:$<CONFIG:Debug>>:-fuse-ld=lld;-B${folder}/;\
-Wl,--symbol-ordering-file=${order};-Wl,--no-warn-symbol-ordering${relr}>")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${order})
endfunction()
