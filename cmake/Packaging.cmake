# The Debian package: `cpack -G DEB` in a Release build folder makes zenvalo_VERSION_ARCH.deb from
# the install rules, installed under /usr.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zenvalo RENAME copyright)

set(CPACK_PACKAGE_NAME zenvalo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zenvalo")
set(CPACK_PACKAGE_CONTACT "Zenvalo maintainers <zenvalo@example.org>" CACHE STRING
    "Maintainer named in the package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary trainer for any pair of languages")
set(CPACK_PACKAGE_DESCRIPTION
    "Zenvalo keeps a data set of word pairs and trains them in both directions with a five-box
card file, imports word lists from text files, merges entries from another data set, edits
everything in a grid and plays a matching game. The interface speaks Esperanto; every text is
Unicode, so any pair of languages works. Starter vocabularies French-Esperanto come with it.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZENVALO_HOMEPAGE})
# The libraries the executable links come from dpkg-shlibdeps; the plugins Qt loads at run time are
# recommended here (the X platform plugin itself comes with libqt6gui6): speech through
# speech-dispatcher, the desktop's file chooser through its platform theme, and the packages whose
# triggers register the ".zenv" type and the icon.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng, qt6-xdgdesktopportal-platformtheme, shared-mime-info, hicolor-icon-theme, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xdg-desktop-portal-gtk | xdg-desktop-portal-kde")

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/build/;/\\\\.git/;/\\\\.git$")
include(CPack)
