# SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
# SPDX-License-Identifier: GPL-3.0-or-later

# Where an installed Velmora lives: the program in bin/, the desktop entry, the AppStream
# metainfo, the icon in the hicolor theme, the manual page and, under share/doc/velmora, the
# copyright file and the changelog (see data/). Packaging.cmake turns the same install rules into
# a Debian package, so `cmake --install` and the .deb never disagree.
include(GNUInstallDirs)

if(TARGET velmora)
    install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    add_subdirectory(data)

    include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
endif()
