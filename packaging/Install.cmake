# Installation and the Debian package.
#
# Layout (prefix /usr):
#   lib/balsar/              the programs, side by side as they expect, with
#     lib -> ../../share/balsar/lib      the runtime library data
#     docs -> ../../share/doc/balsar     the manual (the Help command)
#     OskelLoader -> CaldoLoader         the name the designer starts
#   bin/<program> -> ../lib/balsar/<program>
#   share/balsar/lib/        protocols, panel models, pictures, fonts.conf, USB ids
#   share/doc/balsar/        README, notes, manual/ (HTML when built)
#   share/applications/      balsar, caldoloader, caldotransfer .desktop
#   share/mime/packages/     balsar.xml (.ZPJ projects, .qk packages)
#   share/icons/hicolor/scalable/{apps,mimetypes}/
#   lib/udev/rules.d/70-caldo-panel.rules
# The programs find their folder through /proc/self/exe, which resolves the
# bin/ links, so lib/ is found beside them; BALSAR_HOME still overrides it.
include(GNUInstallDirs)

set(BALSAR_PROGRAM_DIR lib/balsar)
set(BALSAR_DATA_DIR ${CMAKE_INSTALL_DATADIR}/balsar)
set(BALSAR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/balsar)

set(balsar_programs)
foreach(program Balsar CaldoLoader CaldoTransfer VIRur MirloSpy balsar-cli caldo-cli panel-emulator)
  if(TARGET ${program})
    list(APPEND balsar_programs ${program})
  endif()
endforeach()
install(TARGETS ${balsar_programs} RUNTIME DESTINATION ${BALSAR_PROGRAM_DIR})

# The links are made in the build tree and installed as links (relative, so
# they hold in any staging root).
set(link_dir ${CMAKE_BINARY_DIR}/install-links)
file(REMOVE_RECURSE ${link_dir})
file(MAKE_DIRECTORY ${link_dir}/program ${link_dir}/bin)
file(CREATE_LINK ../../share/balsar/lib ${link_dir}/program/lib SYMBOLIC)
file(CREATE_LINK ../../share/doc/balsar ${link_dir}/program/docs SYMBOLIC)
set(program_links ${link_dir}/program/lib ${link_dir}/program/docs)
if(TARGET CaldoLoader)
  file(CREATE_LINK CaldoLoader ${link_dir}/program/OskelLoader SYMBOLIC)
  list(APPEND program_links ${link_dir}/program/OskelLoader)
endif()
install(FILES ${program_links} DESTINATION ${BALSAR_PROGRAM_DIR})
set(bin_links)
foreach(program ${balsar_programs})
  file(CREATE_LINK ../lib/balsar/${program} ${link_dir}/bin/${program} SYMBOLIC)
  list(APPEND bin_links ${link_dir}/bin/${program})
endforeach()
install(FILES ${bin_links} DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${CMAKE_SOURCE_DIR}/lib/ DESTINATION ${BALSAR_DATA_DIR}/lib PATTERN udev EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/lib/udev/70-caldo-panel.rules DESTINATION lib/udev/rules.d)

install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${BALSAR_DOC_DIR})
file(GLOB balsar_notes ${CMAKE_SOURCE_DIR}/docs/*.md)
install(FILES ${balsar_notes} DESTINATION ${BALSAR_DOC_DIR}/notes)
# The manual's sources beside the HTML that docs/manual/CMakeLists.txt
# installs (index.html is what the Help command opens).
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/manual/ DESTINATION ${BALSAR_DOC_DIR}/manual
        PATTERN CMakeLists.txt EXCLUDE)

if(BALSAR_GUI)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/desktop/balsar.desktop
                ${CMAKE_SOURCE_DIR}/packaging/desktop/caldoloader.desktop
                ${CMAKE_SOURCE_DIR}/packaging/desktop/caldotransfer.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/mime/balsar.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/icons/apps ${CMAKE_SOURCE_DIR}/data/icons/mimetypes
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable
        FILES_MATCHING PATTERN "*.svg")

# cpack -G DEB
set(CPACK_PACKAGE_NAME balsar)
set(CPACK_PACKAGE_VENDOR "Balsar")
set(CPACK_PACKAGE_CONTACT "Balsar maintainers <balsar@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration suite for monochrome text panels beside a PLC")
set(CPACK_PACKAGE_DESCRIPTION
  "The designer Balsar builds projects of screens, settings, alarms and PLC ports for small monochrome text panels and compiles them into a download image; CaldoLoader and CaldoTransfer write it into the panel over UDP, a serial line or USB. Includes the offline and online simulators and command-line front ends.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY balsar)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries come from dpkg-shlibdeps; these are what the programs load or
# use at run time without linking: the Qt platform and SVG plugins, the fonts
# fonts.conf names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-wqy-zenhei, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, shared-mime-info, desktop-file-utils, hicolor-icon-theme")
include(CPack)
