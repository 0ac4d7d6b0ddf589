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

# Adds a library for one source folder, linked to the common flags.
function(gapsel_library name)
    add_library(${name} ${ARGN})
    target_link_libraries(${name} PUBLIC gapsel_flags)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()
