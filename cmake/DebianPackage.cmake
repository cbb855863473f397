# `cpack -G DEB` in the build folder makes tervala_<version>_<arch>.deb, <version> the project's. Its dependencies are the libraries the
# executable links (found by dpkg-shlibdeps) and the Liberation fonts: the fixed layout is measured in Arial's
# metrics, which Liberation Sans shares. It recommends the speech engine that says names in the shortlist: without
# it the program works, and only the Say button is off.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tervala)
set(CPACK_PACKAGE_VENDOR "The Tervala developers")
set(CPACK_PACKAGE_CONTACT "The Tervala developers <developers@tervala.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "browse baby names by initial, meaning, origin and favourites")
# Lines of the long description stay under 80 columns, as Debian's policy asks.
set(CPACK_PACKAGE_DESCRIPTION "Two lists side by side, boys and girls, narrowed by initial, by text in the\n\
name or the meaning, by origin and to favourites. Favourites are stored at\n\
once, in each user's own name database.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tervala.example)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# Speech for the shortlist's Say button, and Qt's own translations of the standard dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
