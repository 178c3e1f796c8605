# Installation rules and the Debian package of monocl.
# Included from the top-level CMakeLists.txt after the monocl target is defined.
# Also works when monocl is pulled into another project with add_subdirectory:
# paths are taken from this file's directory, and CPack is set up only when
# monocl is the top-level project.

include(GNUInstallDirs)

option(MONOCL_INSTALL "Add the install rules of monocl (program, desktop entry, icons, metadata, manual page)" ON)

# The AppStream component id; the desktop entry and the metainfo file are
# named after it (the program's QGuiApplication::desktopFileName must match).
set(MONOCL_APP_ID "io.github.monocl.Monocl")

if(MONOCL_INSTALL)
    # Only the program itself and its GUI part: the static libraries, tests,
    # benchmarks and fuzzers have no install rules.
    install(TARGETS monocl
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    )
    # The GUI part, which the program opens from lib/monocl.
    install(TARGETS monocl_window
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/monocl
    )

    install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MONOCL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
    )
    # AppStream metadata, for software centres.
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MONOCL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
    )
    # The licences, as a machine-readable Debian copyright file, where Debian
    # wants it: share/doc/<package>/copyright.
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/monocl
    )

    # Icon "monocl" in the hicolor theme: the SVG and its rendered PNG sizes
    # (packaging/icons/render-icons.sh makes the PNGs from the SVG).
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/monocl.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    )
    foreach(size IN ITEMS 16 24 32 48 64 128 256)
        install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/png/monocl-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME monocl.png
        )
    endforeach()

    # The manual page, man monocl.
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/monocl.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
    )

    # The type of the design files, *.monocl, for file managers.
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/monocl-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    )
endif()

if(PROJECT_IS_TOP_LEVEL AND MONOCL_INSTALL)
    include(${CMAKE_CURRENT_LIST_DIR}/cpack.cmake)
endif()
