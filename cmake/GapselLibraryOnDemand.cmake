# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Gapsel developers

# Lets `target` load the library of the pkg-config `module` when it first
# needs it (platform/LibraryOnDemand.h) instead of linking it, so that a start
# does not map it: the target compiles against the module's headers, and the
# compile definition `name` holds the file to load, the library's soname.
# Packages must then name the library's package themselves (GapselPackage).
function(gapsel_library_on_demand target module name)
    pkg_check_modules(${name} REQUIRED ${module})
    list(GET ${name}_LINK_LIBRARIES 0 library)
    execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${library} OUTPUT_VARIABLE headers)
    if(NOT headers MATCHES "SONAME +([^\n]+)")
        message(FATAL_ERROR "${library} names no soname to load it by")
    endif()
    set(soname ${CMAKE_MATCH_1})
    target_include_directories(${target} SYSTEM PRIVATE ${${name}_INCLUDE_DIRS})
    target_compile_definitions(${target} PRIVATE ${name}="${soname}")
endfunction()
