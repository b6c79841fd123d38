# SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
# SPDX-License-Identifier: GPL-3.0-or-later

# Where an installed Velmora lives: the program in bin/ and, on a Linux desktop, the desktop entry,
# the AppStream metainfo, the icon in the hicolor theme, the manual page and, under
# share/doc/velmora, the copyright file and the changelog (see data/). Packaging.cmake turns the
# same install rules into a Debian package, so `cmake --install` and the .deb never disagree.
include(GNUInstallDirs)

if(TARGET velmora)
    install(TARGETS velmora
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        BUNDLE DESTINATION .)

    # Windows and macOS find the program through its own bundle; only freedesktop menus need
    # the desktop entry and the themed icon.
    if(UNIX AND NOT APPLE)
        add_subdirectory(data)
    endif()

    include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
endif()
