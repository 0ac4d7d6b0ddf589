# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Gapsel developers

# Gapsel's texts go through Qt's translation. The catalogues live in
# translations/ as .ts files; `cmake --build build --target update_translations`
# gathers the texts of every library into them (lupdate): run it after adding
# or changing a text, then translate what it marked unfinished. Each build
# compiles them (lrelease) into the app library as resources under :/i18n,
# where the start-up, and the tests, find the one for the user's language.
# The English catalogue is empty but present: it makes English win when the
# user lists it before another language.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(GAPSEL_TS_FILES
    ${PROJECT_SOURCE_DIR}/translations/gapsel_de.ts
    ${PROJECT_SOURCE_DIR}/translations/gapsel_en.ts)

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

# The sources of `targets` and the project headers they include
# (`#include "…"`), as absolute paths; generated files (moc, resources, D-Bus
# glue) are left out. lupdate reads only the files it is given.
function(gapsel_translatable_sources targets out)
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
                if(EXISTS ${PROJECT_SOURCE_DIR}/src/${header})
                    list(APPEND found ${PROJECT_SOURCE_DIR}/src/${header})
                endif()
            endforeach()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES found)
    set(${out} ${found} PARENT_SCOPE)
endfunction()

gapsel_targets_under(${PROJECT_SOURCE_DIR}/src gapsel_targets)
gapsel_translatable_sources("${gapsel_targets}" gapsel_translatable_sources)
# Without line numbers the catalogue changes only when a text does.
qt_add_translations(gapsel_app
    TS_FILES ${GAPSEL_TS_FILES}
    SOURCES ${gapsel_translatable_sources}
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
    LUPDATE_OPTIONS -no-obsolete -locations none -source-language en)
