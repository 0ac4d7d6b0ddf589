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

# Declares the logging category of the library `target` through ECM: a
# generated header, included by the library's sources as "<folder>/<header>",
# that declares `identifier` for the category `name`; every category is
# listed in the installed gapsel.categories.
function(gapsel_logging_category target header identifier name description)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${PROJECT_BINARY_DIR}/logging/${target})
    ecm_qt_declare_logging_category(${target} HEADER ${root}/${folder}/${header}
        IDENTIFIER ${identifier} CATEGORY_NAME ${name} DESCRIPTION "${description}" EXPORT gapsel)
    target_include_directories(${target} PRIVATE ${root})
endfunction()

# Packs the relative relocations of the program `target` (DT_RELR, glibc
# 2.36), which halves the table the loader reads first, where the default
# linker can (GNU ld 2.38 and later); elsewhere it links as usual.
include(CheckLinkerFlag)
check_linker_flag(CXX "-Wl,-z,pack-relative-relocs" GAPSEL_LINKER_PACKS_RELOCS)
function(gapsel_pack_relative_relocs target)
    if(GAPSEL_LINKER_PACKS_RELOCS)
        target_link_options(${target} PRIVATE "-Wl,-z,pack-relative-relocs")
        # dpkg-shlibdeps sees symbols, not the loader's new version need.
        set_property(GLOBAL APPEND PROPERTY GAPSEL_PACKAGE_DEPENDS "libc6 (>= 2.36)")
    endif()
endfunction()
