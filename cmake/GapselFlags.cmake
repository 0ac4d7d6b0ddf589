# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Gapsel developers

# Every target of the project links gapsel_flags: one place for the language
# level, the warnings (as errors) and Qt's stricter string handling.
add_library(gapsel_flags INTERFACE)
target_compile_features(gapsel_flags INTERFACE cxx_std_20)
target_compile_options(gapsel_flags INTERFACE
    -Wall -Wextra -Wpedantic -Werror
    -Wold-style-cast -Wnon-virtual-dtor -Wshadow=local)
target_compile_definitions(gapsel_flags INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    GAPSEL_BUNDLE_ID="${GAPSEL_BUNDLE_ID}"
    GAPSEL_BUNDLE_NAME="${GAPSEL_BUNDLE_NAME}"
    GAPSEL_VERSION="${PROJECT_VERSION}"
    GAPSEL_BUILD_NUMBER=${GAPSEL_BUILD_NUMBER})

# Gives a library the include root of its own source folder only: a folder
# in the build tree holding one link, src/<folder> under its own name, so
# that "defaults/Key.h" is found by the library's own sources and by what
# links it, and by nothing else: a layer that includes a header of a library
# it does not link fails to compile (tests/layering proves it). With HEADERS,
# the root links just these headers of the folder, for a folder whose
# subfolders are libraries of their own.
function(gapsel_include_root name scope)
    cmake_parse_arguments(ARG "" "" "HEADERS" ${ARGN})
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${PROJECT_BINARY_DIR}/include/${name})
    # A root of the other kind left by an earlier configuration goes first:
    # links must never be made inside the source folder behind a link.
    if(ARG_HEADERS AND IS_SYMLINK ${root}/${folder})
        file(REMOVE ${root}/${folder})
    elseif(NOT ARG_HEADERS AND IS_DIRECTORY ${root}/${folder} AND NOT IS_SYMLINK ${root}/${folder})
        file(REMOVE_RECURSE ${root}/${folder})
    endif()
    if(ARG_HEADERS)
        file(MAKE_DIRECTORY ${root}/${folder})
        foreach(header IN LISTS ARG_HEADERS)
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
