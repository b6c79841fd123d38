# SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package of Velmora, made by `cpack -G DEB` in the build folder from the install rules.
# Its dependencies come from the libraries the program really links (dpkg-shlibdeps), so the
# package follows whatever Qt the machine builds against.
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT "Velmora <maintainers@velmora.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://velmora.example)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "school calculator: a sum of long numbers in Bulgarian words / сумата словом")
set(CPACK_PACKAGE_DESCRIPTION [=[
Velmora is a teaching program for a school informatics course. The pupil
types two signed whole numbers of up to 60 digits and presses “Изчисли”.
The program adds them digit by digit, shows the signed sum or difference
and spells the result in Bulgarian words, one line for each group of three
digits, with the scale names up to “вигинтилион” (a one with 63 zeros).

Велмора е учебна програма по информатика. Ученикът въвежда две цели числа
със знак, до 60 цифри всяко, и натиска „Изчисли“. Програмата ги събира
цифра по цифра, показва сумата или разликата със знак и изписва резултата
словом на български, по един ред за всяка група от три цифри, с имената на
степените до „вигинтилион“ (единица с 63 нули).]=])

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(CPACK_GENERATOR DEB)
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (context menus, message box buttons) in Bulgarian; cpack adds the shlibdeps to it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
# The window asks for Times New Roman; Liberation Serif is its metric twin on Linux.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)

include(CPack)
