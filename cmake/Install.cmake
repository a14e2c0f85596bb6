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
# Every rule names the Debian package its files go to, as its component:
#   kinovert-data   the data tree (architecture-independent)
#   kinovert-cli    kinovert-cli, avcore and the program folder around them:
#                   nothing that needs a graphical toolkit
#   kinovert        the desktop program and its desktop integration
#   doc             README, copyright and changelog of a plain install (a
#                   Debian package gets these from debhelper)
# debian/rules installs one component per package.
set(KINOVERT_APP_ID org.example.kinovert)
set(programDir lib/kinovert)
set(dataDir share/kinovert)
set(dist ${CMAKE_BINARY_DIR}/dist)
set(skinDir ${CMAKE_SOURCE_DIR}/data/skin/kvo/skin)

# Relative links, made here and installed as links.
set(links ${dist}/links)
file(REMOVE_RECURSE ${links})
file(MAKE_DIRECTORY ${links}/bin ${links}/program)
foreach(program kinovert-cli kinovert)
  file(CREATE_LINK ../${programDir}/${program} ${links}/bin/${program} SYMBOLIC)
endforeach()
file(GLOB dataEntries RELATIVE ${CMAKE_SOURCE_DIR}/data CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
set(dataLinks "")
foreach(entry IN LISTS dataEntries)
  file(CREATE_LINK ../../${dataDir}/${entry} ${links}/program/${entry} SYMBOLIC)
  list(APPEND dataLinks ${links}/program/${entry})
endforeach()

install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${dataDir} COMPONENT kinovert-data)

install(TARGETS kinovert-cli avcore RUNTIME DESTINATION ${programDir} COMPONENT kinovert-cli)
install(FILES ${CMAKE_SOURCE_DIR}/dist/installed ${dataLinks} DESTINATION ${programDir}
  COMPONENT kinovert-cli)
install(FILES ${links}/bin/kinovert-cli DESTINATION bin COMPONENT kinovert-cli)

if(TARGET kinovert)
  install(TARGETS kinovert RUNTIME DESTINATION ${programDir} COMPONENT kinovert)
  install(FILES ${links}/bin/kinovert DESTINATION bin COMPONENT kinovert)
endif()

# Desktop entry and metadata. The entry's MimeType lists the types that
# convert (tests/e2e/ListedTypes_test.cpp checks each against a converted
# file), not every type the MIME database knows for a listed extension.
set(desktopFile ${dist}/kinovert.desktop)
configure_file(${CMAKE_SOURCE_DIR}/dist/kinovert.desktop ${desktopFile} COPYONLY)
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
foreach(doc kinovert.1 kinovert-cli.1)
  configure_file(${CMAKE_SOURCE_DIR}/dist/${doc}.in ${dist}/${doc} @ONLY)
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/debian/changelog ${dist}/changelog COPYONLY)
foreach(doc kinovert.1 kinovert-cli.1 changelog)
  add_custom_command(OUTPUT ${dist}/${doc}.gz
    COMMAND ${GZIP} -9nf -k ${dist}/${doc}
    DEPENDS ${dist}/${doc})
  list(APPEND compressed ${dist}/${doc}.gz)
endforeach()
add_custom_target(kinovert_dist ALL DEPENDS ${compressed})

install(FILES ${dist}/kinovert-cli.1.gz DESTINATION share/man/man1 COMPONENT kinovert-cli)
# Shell completion for kinovert-cli, where bash-completion and zsh look.
install(FILES ${CMAKE_SOURCE_DIR}/dist/kinovert-cli.bash
  DESTINATION share/bash-completion/completions RENAME kinovert-cli COMPONENT kinovert-cli)
install(FILES ${CMAKE_SOURCE_DIR}/dist/kinovert-cli.zsh
  DESTINATION share/zsh/vendor-completions RENAME _kinovert-cli COMPONENT kinovert-cli)

if(TARGET kinovert)
  install(FILES ${desktopFile} DESTINATION share/applications COMPONENT kinovert)
  install(FILES ${metainfoFile} DESTINATION share/metainfo COMPONENT kinovert)
  install(FILES ${dist}/kinovert.1.gz DESTINATION share/man/man1 COMPONENT kinovert)
  file(GLOB icons CONFIGURE_DEPENDS ${skinDir}/kinovert-*.png)
  foreach(icon IN LISTS icons)
    string(REGEX REPLACE "^.*kinovert-([0-9]+)\\.png$" "\\1" size "${icon}")
    install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME kinovert.png
      COMPONENT kinovert)
  endforeach()
  install(FILES ${skinDir}/kinovert.svg DESTINATION share/icons/hicolor/scalable/apps
    COMPONENT kinovert)
endif()

install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/debian/copyright
  ${dist}/changelog.gz DESTINATION share/doc/kinovert COMPONENT doc)
