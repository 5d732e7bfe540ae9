# The Debian package of ept: the program and its manual page, as the install
# rules of tools/ept place them. `cmake --build DIR --target package` writes it
# into DIR; build it from the release preset, since a sanitized build's package
# would depend on the sanitizer libraries.
set(ZORVANEX_PACKAGE_MAINTAINER "Pelk Softwares" CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvanex-ept)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Pelk Softwares")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "read and write ZORVANEX .ept files on the command line")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "ept encrypts and decrypts files in the .ept format of ZORVANEX(version-3.1),\n"
  "the Windows file encryption tool, byte for byte as the Windows program does.\n"
  "The format keeps out casual readers only: anyone with this program can read\n"
  "an .ept file without its password.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZORVANEX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Depends: computed by dpkg-shlibdeps from the libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# zorvanex-ept_3.1_amd64.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
