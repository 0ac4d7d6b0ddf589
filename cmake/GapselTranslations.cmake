# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Gapsel developers

# Gapsel's texts go through Qt's translation. The catalogues live in
# translations/ as .ts files; `cmake --build build --target update_translations`
# gathers the texts of every library into them (lupdate), and each build
# compiles them (lrelease) into the program as resources under :/i18n, where
# the start-up finds the one that matches the user's language.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(GAPSEL_TS_FILES ${PROJECT_SOURCE_DIR}/translations/gapsel_en.ts)

# The targets defined in `dir` and the folders below it that have sources.
function(gapsel_targets_under dir out)
    set(found)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(NOT type STREQUAL "UTILITY")
            list(APPEND found ${target})
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        gapsel_targets_under(${subdir} below)
        list(APPEND found ${below})
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# The folders in the source tree that `targets` include headers from.
function(gapsel_include_roots targets out)
    set(roots)
    foreach(target IN LISTS targets)
        foreach(property INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES)
            get_target_property(folders ${target} ${property})
            foreach(folder IN LISTS folders)
                string(REGEX REPLACE "^\\$<BUILD_INTERFACE:(.*)>$" "\\1" folder "${folder}")
                if(folder MATCHES "^${PROJECT_SOURCE_DIR}/src")
                    list(APPEND roots ${folder})
                endif()
            endforeach()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES roots)
    set(${out} ${roots} PARENT_SCOPE)
endfunction()

# The sources of `targets` and the project headers they include
# (`#include "…"`), as absolute paths; generated files (moc, resources, D-Bus
# glue) are left out. lupdate reads only the files it is given.
function(gapsel_translatable_sources targets out)
    gapsel_include_roots("${targets}" roots)
    set(found)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "INTERFACE_LIBRARY")
            continue()
        endif()
        get_target_property(sources ${target} SOURCES)
        get_target_property(source_dir ${target} SOURCE_DIR)
        foreach(source IN LISTS sources)
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir})
            if(NOT source MATCHES "^${PROJECT_SOURCE_DIR}/src/" OR NOT EXISTS ${source})
                continue()
            endif()
            list(APPEND found ${source})
            file(STRINGS ${source} includes REGEX "^#include \"")
            foreach(line IN LISTS includes)
                string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
                foreach(root IN LISTS roots)
                    if(EXISTS ${root}/${header})
                        list(APPEND found ${root}/${header})
                    endif()
                endforeach()
            endforeach()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES found)
    set(${out} ${found} PARENT_SCOPE)
endfunction()

gapsel_targets_under(${PROJECT_SOURCE_DIR}/src gapsel_targets)
gapsel_translatable_sources("${gapsel_targets}" gapsel_translatable_sources)
gapsel_include_roots("${gapsel_targets}" gapsel_include_roots)
# Without line numbers the catalogue changes only when a text does.
qt_add_translations(gapsel
    TS_FILES ${GAPSEL_TS_FILES}
    SOURCES ${gapsel_translatable_sources}
    INCLUDE_DIRECTORIES ${gapsel_include_roots}
    LUPDATE_OPTIONS -no-obsolete -locations none -source-language en)
