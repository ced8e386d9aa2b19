# SPDX-License-Identifier: GPL-3.0-or-later
# Debian package of what cmake/Install.cmake installs:
#   cmake --build build && (cd build && cpack -G DEB)
# gives build/qingyao_VERSION_ARCH.deb for `apt install ./qingyao_….deb`.
#
# dpkg-shlibdeps finds the packages of the linked libraries (Qt, OpenSSL,
# libstdc++). What the programs load at run time is named here: the QML modules
# the pages import (QtQuick, Controls 2, Layouts, Window, Templates,
# Qt.labs.folderlistmodel, QtWebView and the web engine behind it), the SQLite
# driver, the time-zone database and the CJK fonts the window asks for.
set(CPACK_PACKAGE_NAME qingyao)
set(CPACK_PACKAGE_VENDOR Solquist)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese Four Pillars (BaZi) charts and calendar")
set(CPACK_PACKAGE_DESCRIPTION "晴曜命盘 places a birth moment and place in the traditional Chinese
calendar (solar terms, lunar date, true or mean solar time, summer time) and
casts its Four Pillars chart: luck pillars and their start, flow years, months
and days, life palace, ShenSha stars, combinations and clashes, five elements
and bone weight. Charts are kept as person records in SQLite. The window shows
Simplified or Traditional Chinese; qingyao-cli prints charts, solar terms and
lunar dates on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")

set(QINGYAO_PACKAGE_MAINTAINER "Solquist <qingyao@solquist.com>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QINGYAO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QINGYAO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(qingyao_runtime_packages
  qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-layouts
  qml-module-qtquick-controls2 qml-module-qtquick-templates2
  qml-module-qt-labs-folderlistmodel qml-module-qtwebview qml-module-qtwebengine
  libqt5sql5-sqlite tzdata fonts-noto-cjk)
string(REPLACE ";" ", " CPACK_DEBIAN_PACKAGE_DEPENDS "${qingyao_runtime_packages}")

# Debian asks every package for a changelog beside its copyright file.
configure_file(${QINGYAO_PACKAGING_DIR}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${QINGYAO_GZIP} -9 -n -f -k ${CMAKE_BINARY_DIR}/packaging/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
