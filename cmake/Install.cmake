# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install build --prefix P` gives:
#   P/lib/kinovert/     the program folder: the programs, the marker file
#                       "installed" (each user's files go to XDG folders), and
#                       one link per top-level entry of the data tree, so the
#                       programs find their data where they always do
#   P/share/kinovert/   the data tree itself (profiles, skin, languages and
#                       any help folders beside them, templates)
#   P/bin/              links to the programs; /proc/self/exe resolves them,
#                       so the program folder is still P/lib/kinovert
#   the desktop entry, AppStream metadata, icons, man pages, shell completion
#   and documents.
# `cpack -G DEB` packs the same tree for /usr.
set(KINOVERT_APP_ID org.example.kinovert)
set(KINOVERT_PACKAGE_VERSION ${PROJECT_VERSION})
set(KINOVERT_MIME_DIR /usr/share/mime CACHE PATH "Shared MIME database the desktop entry's types come from")
# Who answers for the package: a name and a mail address that reaches them,
# taken from DEBFULLNAME and DEBEMAIL as Debian's own tools take them, unless
# given here. Without one the package names no address (scripts/package.sh
# then stops and says so).
set(KINOVERT_PACKAGE_CONTACT "" CACHE STRING
  "Maintainer of the package, \"Name <address>\" (default: $DEBFULLNAME <$DEBEMAIL>)")
if(KINOVERT_PACKAGE_CONTACT)
  set(KINOVERT_PACKAGE_MAINTAINER "${KINOVERT_PACKAGE_CONTACT}")
elseif(NOT "$ENV{DEBEMAIL}" STREQUAL "")
  if("$ENV{DEBFULLNAME}" STREQUAL "")
    set(KINOVERT_PACKAGE_MAINTAINER "$ENV{DEBEMAIL}")
  else()
    set(KINOVERT_PACKAGE_MAINTAINER "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
  endif()
else()
  set(KINOVERT_PACKAGE_MAINTAINER "The Kinovert developers")
endif()
set(programDir lib/kinovert)
set(dataDir share/kinovert)
set(dist ${CMAKE_BINARY_DIR}/dist)
set(skinDir ${CMAKE_SOURCE_DIR}/data/skin/kvo/skin)

# Relative links, made here and installed as links.
set(links ${dist}/links)
file(REMOVE_RECURSE ${links})
file(MAKE_DIRECTORY ${links}/bin ${links}/program)
set(programs kinovert-cli avcore)
set(launchers kinovert-cli)
if(TARGET kinovert)
  list(APPEND programs kinovert)
  list(APPEND launchers kinovert)
endif()
set(launcherLinks "")
foreach(program IN LISTS launchers)
  file(CREATE_LINK ../${programDir}/${program} ${links}/bin/${program} SYMBOLIC)
  list(APPEND launcherLinks ${links}/bin/${program})
endforeach()
file(GLOB dataEntries RELATIVE ${CMAKE_SOURCE_DIR}/data CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
set(dataLinks "")
foreach(entry IN LISTS dataEntries)
  file(CREATE_LINK ../../${dataDir}/${entry} ${links}/program/${entry} SYMBOLIC)
  list(APPEND dataLinks ${links}/program/${entry})
endforeach()

install(TARGETS ${programs} RUNTIME DESTINATION ${programDir})
install(FILES ${CMAKE_SOURCE_DIR}/dist/installed ${dataLinks} DESTINATION ${programDir})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${dataDir})
install(FILES ${launcherLinks} DESTINATION bin)

# Desktop entry, metadata, man pages and changelog, made at build time.
set(desktopFile ${dist}/kinovert.desktop)
set(typeFile ${CMAKE_SOURCE_DIR}/data/skin/kvo/lang/type_english.dat)
add_custom_command(OUTPUT ${desktopFile}
  COMMAND ${CMAKE_COMMAND} -DTYPE_FILE=${typeFile} -DMIME_DIR=${KINOVERT_MIME_DIR}
    -DTEMPLATE=${CMAKE_SOURCE_DIR}/dist/kinovert.desktop.in -DOUTPUT=${desktopFile}
    -P ${CMAKE_SOURCE_DIR}/cmake/DesktopFile.cmake
  DEPENDS ${typeFile} ${CMAKE_SOURCE_DIR}/dist/kinovert.desktop.in
    ${CMAKE_SOURCE_DIR}/cmake/DesktopFile.cmake ${KINOVERT_MIME_DIR}/globs2
  COMMENT "Desktop entry with the media types of the type file")
set(metainfoFile ${dist}/${KINOVERT_APP_ID}.metainfo.xml)
# Only an address the build names: none is made up.
set(KINOVERT_METAINFO_URLS "")
if(KINOVERT_HOME_PAGE)
  string(REPLACE "&" "&amp;" homePage "${KINOVERT_HOME_PAGE}")
  string(APPEND KINOVERT_METAINFO_URLS "  <url type=\"homepage\">${homePage}</url>\n")
endif()
if(KINOVERT_SUPPORT_ADDRESS MATCHES "^https?://")
  string(REPLACE "&" "&amp;" support "${KINOVERT_SUPPORT_ADDRESS}")
  string(APPEND KINOVERT_METAINFO_URLS "  <url type=\"help\">${support}</url>\n")
endif()
configure_file(${CMAKE_SOURCE_DIR}/dist/kinovert.metainfo.xml.in ${metainfoFile} @ONLY)

# Man pages and the changelog go compressed, reproducibly (no name, no time).
find_program(GZIP gzip REQUIRED)
set(compressed "")
foreach(doc kinovert.1 kinovert-cli.1 changelog)
  configure_file(${CMAKE_SOURCE_DIR}/dist/${doc}.in ${dist}/${doc} @ONLY)
  add_custom_command(OUTPUT ${dist}/${doc}.gz
    COMMAND ${GZIP} -9nf -k ${dist}/${doc}
    DEPENDS ${dist}/${doc})
  list(APPEND compressed ${dist}/${doc}.gz)
endforeach()
add_custom_target(kinovert_dist ALL DEPENDS ${desktopFile} ${compressed})

install(FILES ${desktopFile} DESTINATION share/applications)
install(FILES ${metainfoFile} DESTINATION share/metainfo)
install(FILES ${dist}/kinovert.1.gz ${dist}/kinovert-cli.1.gz DESTINATION share/man/man1)
# Shell completion for kinovert-cli, where bash-completion and zsh look.
install(FILES ${CMAKE_SOURCE_DIR}/dist/kinovert-cli.bash
  DESTINATION share/bash-completion/completions RENAME kinovert-cli)
install(FILES ${CMAKE_SOURCE_DIR}/dist/kinovert-cli.zsh
  DESTINATION share/zsh/vendor-completions RENAME _kinovert-cli)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/dist/copyright ${dist}/changelog.gz
  DESTINATION share/doc/kinovert)
file(GLOB icons CONFIGURE_DEPENDS ${skinDir}/kinovert-*.png)
foreach(icon IN LISTS icons)
  string(REGEX REPLACE "^.*kinovert-([0-9]+)\\.png$" "\\1" size "${icon}")
  install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME kinovert.png)
endforeach()
install(FILES ${skinDir}/kinovert.svg DESTINATION share/icons/hicolor/scalable/apps)

# The Debian package. dpkg-shlibdeps finds the libraries the programs link
# (Qt 6, libmediainfo, the C++ runtime); the rest are what they run or load.
set(CPACK_PACKAGE_NAME kinovert)
set(CPACK_PACKAGE_VERSION ${KINOVERT_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kinovert developers")
set(CPACK_PACKAGE_CONTACT "${KINOVERT_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch video and audio converter")
# CPack puts the summary first; this is the long description after it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kinovert converts a list of video and audio files in one batch to AVI,
MP4, 3GP, MPEG, MOV, WMV, RM, SWF, VOB, ASF, AAC, AC3, MP2, MP3, AMR or
WAV, with named profiles of encoding settings or phone and player presets.
.
The package holds the desktop program kinovert and kinovert-cli, which
converts the same way from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(KINOVERT_HOME_PAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KINOVERT_HOME_PAGE}")
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# FFmpeg with the extra codecs is the encoder's; the platform plugins show
# the window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg, libavcodec-extra, qt6-qpa-plugins")
# The SVG window icon and the browser for help and home page.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "parallel")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
