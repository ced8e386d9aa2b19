# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install build [--prefix DIR] [--strip]` puts where, following
# the freedesktop.org conventions: both programs, the desktop entry, the icon
# in the hicolor theme, the AppStream metainfo file and the manual page of
# qingyao-cli. Pages, scripts, data and translations are all inside the
# programs' resources, so nothing else is read from files once installed.
#
# The sources are in packaging/: the desktop entry, the metainfo template, the
# icon (tools/gen_app_icon.py), the manual page's extra sections and the
# Debian copyright file. The build makes the icon's PNG sizes with rsvg-convert
# and the manual page with help2man from `qingyao-cli --help`.
include(GNUInstallDirs)

# The desktop file ID, icon name and AppStream ID alike.
set(QINGYAO_APP_ID com.solquist.qingyao)
set(QINGYAO_HOMEPAGE "https://solquist.com/qingyao" CACHE STRING
    "Homepage written into the AppStream metainfo; its screenshots/ folder holds build/screenshots/store/")
set(QINGYAO_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
# The window names its desktop entry and icon (Wayland and the task bar).
target_compile_definitions(qingyao_app PRIVATE QINGYAO_APP_ID="${QINGYAO_APP_ID}")

install(TARGETS qingyao qingyao-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The chart drawer is qingyao-cli's private helper, so it stays out of PATH.
# qingyao-cli finds it next to itself (build tree) or at this path relative to
# its own folder, wherever the prefix is.
set(QINGYAO_HELPER_DIR ${CMAKE_INSTALL_LIBEXECDIR}/qingyao)
install(TARGETS qingyao-cli-draw RUNTIME DESTINATION ${QINGYAO_HELPER_DIR})
file(RELATIVE_PATH helper_from_bin /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${QINGYAO_HELPER_DIR})
target_compile_definitions(qingyao-cli PRIVATE QINGYAO_HELPER_FROM_BIN="${helper_from_bin}")
install(FILES ${QINGYAO_PACKAGING_DIR}/${QINGYAO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(${QINGYAO_PACKAGING_DIR}/${QINGYAO_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${QINGYAO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${QINGYAO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icon: the SVG as drawn, and the fixed sizes desktops without an SVG loader
# (and the window's own icon) pick from.
set(icon_svg ${QINGYAO_PACKAGING_DIR}/${QINGYAO_APP_ID}.svg)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
find_program(QINGYAO_RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_pngs "")
foreach(size 48 128 256)
  set(dir ${CMAKE_BINARY_DIR}/packaging/icons/${size}x${size})
  add_custom_command(OUTPUT ${dir}/${QINGYAO_APP_ID}.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${QINGYAO_RSVG_CONVERT} --width ${size} --height ${size} --output ${dir}/${QINGYAO_APP_ID}.png ${icon_svg}
    DEPENDS ${icon_svg}
    COMMENT "Drawing the ${size}x${size} application icon"
    VERBATIM)
  list(APPEND icon_pngs ${dir}/${QINGYAO_APP_ID}.png)
  install(FILES ${dir}/${QINGYAO_APP_ID}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(app_icons ALL DEPENDS ${icon_pngs})

# The date of this version's release notes in the metainfo: the date of the
# manual pages and of the Debian changelog, so a rebuild gives the same files.
file(STRINGS ${QINGYAO_PACKAGING_DIR}/${QINGYAO_APP_ID}.metainfo.xml.in release_line
     REGEX "<release version=\"${PROJECT_VERSION}\" date=\"[0-9-]+\"")
if(release_line MATCHES "date=\"([0-9-]+)\"")
  set(QINGYAO_RELEASE_DATE ${CMAKE_MATCH_1})
else()
  message(WARNING "No <release version=\"${PROJECT_VERSION}\"> in packaging/${QINGYAO_APP_ID}.metainfo.xml.in: "
                  "write this version's release notes there")
  string(TIMESTAMP QINGYAO_RELEASE_DATE "%Y-%m-%d" UTC)
endif()
execute_process(COMMAND date -u -d "${QINGYAO_RELEASE_DATE} 00:00" +%s
                OUTPUT_VARIABLE QINGYAO_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE epoch_rc)
execute_process(COMMAND date -u -R -d "${QINGYAO_RELEASE_DATE} 00:00"
                OUTPUT_VARIABLE QINGYAO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rfc_rc)
if(NOT epoch_rc EQUAL 0 OR NOT rfc_rc EQUAL 0)
  message(FATAL_ERROR "date could not read the release date ${QINGYAO_RELEASE_DATE}")
endif()

# Manual pages, compressed as Debian and every man reader expect. The one of
# qingyao-cli comes from the command's own --help and --version and each
# command's --help, so it never disagrees with them; help2man runs the program
# found on PATH, so the page shows its bare name, and reads its UTF-8 output
# in a UTF-8 locale.
find_program(QINGYAO_HELP2MAN help2man REQUIRED)
find_program(QINGYAO_GZIP gzip REQUIRED)
set(manpage ${CMAKE_BINARY_DIR}/packaging/qingyao-cli.1)
set(man_commands ${CMAKE_BINARY_DIR}/packaging/qingyao-cli-commands.h2m)
add_custom_command(OUTPUT ${manpage}.gz
  COMMAND ${QINGYAO_PACKAGING_DIR}/man_commands.sh $<TARGET_FILE:qingyao-cli> ${man_commands}
  COMMAND ${CMAKE_COMMAND} -E env "PATH=$<TARGET_FILE_DIR:qingyao-cli>:/usr/bin:/bin"
          SOURCE_DATE_EPOCH=${QINGYAO_RELEASE_EPOCH}
          ${QINGYAO_HELP2MAN} --no-info --no-discard-stderr --section 1 --locale C.UTF-8
          --name "Four Pillars charts, solar terms and lunar dates on the command line"
          --include ${man_commands}
          --include ${QINGYAO_PACKAGING_DIR}/qingyao-cli.h2m
          --output ${manpage} qingyao-cli
  COMMAND ${QINGYAO_GZIP} -9 -n -f ${manpage}
  DEPENDS qingyao-cli ${QINGYAO_PACKAGING_DIR}/qingyao-cli.h2m ${QINGYAO_PACKAGING_DIR}/man_commands.sh
  COMMENT "Writing the manual page of qingyao-cli"
  VERBATIM)
set(window_manpage ${CMAKE_BINARY_DIR}/packaging/qingyao.1.gz)
add_custom_command(OUTPUT ${window_manpage}
  COMMAND sh -c "${QINGYAO_GZIP} -9 -n -c \"$1\" > \"$2\"" gzip ${QINGYAO_PACKAGING_DIR}/qingyao.1 ${window_manpage}
  DEPENDS ${QINGYAO_PACKAGING_DIR}/qingyao.1
  VERBATIM)
add_custom_target(manpage ALL DEPENDS ${manpage}.gz ${window_manpage})
install(FILES ${manpage}.gz ${window_manpage} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${QINGYAO_PACKAGING_DIR}/copyright ${CMAKE_SOURCE_DIR}/docs/THIRD-PARTY.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
