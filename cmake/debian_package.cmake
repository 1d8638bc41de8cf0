# `make package`: a Debian package of the installed layout under /usr. Its
# Depends line is worked out from the libraries the binary links against.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME aquabill)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Metered water bill calculator")
set(CPACK_PACKAGE_DESCRIPTION "Works out the cost of the water used between two meter readings,\npredicts a coming period and keeps, for each user, a results log and\na history of readings.")
set(CPACK_PACKAGE_CONTACT "Aquabill developers <aquabill@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The desktop entry is written with the install prefix, which must then be
# /usr and not the folder the package is staged in.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX ${CPACK_PACKAGING_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_NAME aquabill)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help page, web pages and logs are opened through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
include(CPack)
