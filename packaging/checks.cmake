# Include line for the top-level CMakeLists.txt, inside its
# `if(PROJECT_IS_TOP_LEVEL AND BUILD_TESTING)` block:
#
#     include(${CMAKE_CURRENT_SOURCE_DIR}/packaging/checks.cmake)
#
# CTest checks of the packaging files (label "packaging"):
# - metainfo_valid: `appstreamcli validate --no-net` on the AppStream
#   metainfo (Debian package appstream); it fails on errors and warnings,
#   while infos and pedantic notes are printed but pass;
# - desktop_entry_valid: `desktop-file-validate` on the desktop entry
#   (Debian package desktop-file-utils); it fails on errors, and here also
#   on warnings; hints pass;
# - man_page_valid: groff (Debian package groff-base) formats the manual
#   page for a plain ASCII terminal with every warning on; any warning fails
#   it, so an unknown macro or request, or a character that a terminal in
#   the C locale cannot show, does not slip in.
# A tool that find_program cannot find makes its check fail with a message
# naming the package; `scripts/setup-debian.sh --tests` installs them all.

# The AppStream component id, as in install.cmake.
set(MONOCL_APP_ID "io.github.monocl.Monocl")
set(_monocl_packaging_dir ${CMAKE_CURRENT_LIST_DIR})

# A check whose tool is missing runs this script, which fails with MESSAGE.
set(_monocl_fail_script ${CMAKE_CURRENT_BINARY_DIR}/monocl_missing_tool.cmake)
file(WRITE ${_monocl_fail_script} "message(FATAL_ERROR \"\${MESSAGE}\")\n")

# monocl_add_packaging_check(<test> <cache variable> <program> <package> <args>...)
# Adds <test> running <program> with <args>. The program's path is kept in
# <cache variable>; while it is not found, every configure searches again.
function(monocl_add_packaging_check test variable program package)
    find_program(${variable} NAMES ${program}
        DOC "${program} (Debian package ${package}) for the test ${test}")
    mark_as_advanced(${variable})
    if(${variable})
        add_test(NAME ${test} COMMAND ${${variable}} ${ARGN})
    else()
        add_test(NAME ${test} COMMAND ${CMAKE_COMMAND}
            "-DMESSAGE=${program} was not found when CMake configured this build, so the test ${test} cannot run. Install the Debian package ${package} (scripts/setup-debian.sh --tests does) and configure again."
            -P ${_monocl_fail_script})
    endif()
    set_tests_properties(${test} PROPERTIES LABELS packaging)
endfunction()

monocl_add_packaging_check(metainfo_valid MONOCL_APPSTREAMCLI appstreamcli appstream
    validate --no-net ${_monocl_packaging_dir}/${MONOCL_APP_ID}.metainfo.xml)

monocl_add_packaging_check(desktop_entry_valid MONOCL_DESKTOP_FILE_VALIDATE
    desktop-file-validate desktop-file-utils
    ${_monocl_packaging_dir}/${MONOCL_APP_ID}.desktop)
# desktop-file-validate exits with 0 after warnings; here they fail the test.
if(MONOCL_DESKTOP_FILE_VALIDATE)
    set_tests_properties(desktop_entry_valid PROPERTIES
        FAIL_REGULAR_EXPRESSION ": (error|warning): ")
endif()

monocl_add_packaging_check(man_page_valid MONOCL_GROFF groff groff-base
    -man -ww -z -Tascii ${_monocl_packaging_dir}/monocl.1)
# groff exits with 0 after warnings.
if(MONOCL_GROFF)
    set_tests_properties(man_page_valid PROPERTIES
        FAIL_REGULAR_EXPRESSION "warning|error")
endif()
