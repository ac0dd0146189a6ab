# `make package`: a Debian package of the installed tree, made by CPack's DEB generator. Its version
# is the project version with the build number as the Debian revision (0.1.0-7), so a later build
# of the same version still upgrades an earlier one.
set(NORRID_MAINTAINER "Norrid developers <developers@norrid.example>")
set(NORRID_DEB_VERSION "${PROJECT_VERSION}-${NORRID_BUILD_NUMBER}")

# What the package needs beyond the libraries dpkg-shlibdeps finds: the QML modules the windows load
# at run time and the other packages of install-deps.sh's run set, read from that script so the two
# lists stay one. libcanberra0 is a linked library, so shlibdeps names it with its version.
file(READ ${PROJECT_SOURCE_DIR}/scripts/install-deps.sh norrid_install_deps)
string(REGEX MATCH "\nrun=\\(([^)]*)\\)" norrid_run_block "${norrid_install_deps}")
string(REGEX REPLACE "[ \t\n]+" ";" norrid_run_packages "${CMAKE_MATCH_1}")
list(REMOVE_ITEM norrid_run_packages "" libcanberra0)
if(NOT norrid_run_packages)
  message(FATAL_ERROR "scripts/install-deps.sh has no run=( ... ) list to take the package's dependencies from")
endif()
list(JOIN norrid_run_packages ", " norrid_run_depends)

# Debian wants the copyright and a compressed changelog in the package's doc folder.
set(norrid_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/norrid)
string(TIMESTAMP NORRID_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/resources/package/changelog.in ${PROJECT_BINARY_DIR}/package/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/package/changelog.Debian.gz
                   COMMAND gzip -9nkf ${PROJECT_BINARY_DIR}/package/changelog.Debian
                   DEPENDS ${PROJECT_BINARY_DIR}/package/changelog.Debian)
add_custom_target(norrid_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/package/changelog.Debian.gz)
install(FILES ${PROJECT_SOURCE_DIR}/resources/package/copyright ${PROJECT_BINARY_DIR}/package/changelog.Debian.gz
        DESTINATION ${norrid_doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME norrid)
set(CPACK_PACKAGE_VENDOR "Norrid")
set(CPACK_PACKAGE_CONTACT "${NORRID_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "watches one Jira board column from the tray")
set(CPACK_PACKAGE_DESCRIPTION "Norrid watches one column of a Jira Cloud board, typically the cards waiting
for review. Its tray icon shows how many cards sit in the column, a click lists
them, and a desktop notification announces every card that arrives. The API
token is kept in the system keyring.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${NORRID_BUILD_NUMBER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${norrid_run_depends}")
# Qt's own texts (the command line's help, standard buttons) in the user's language; Norrid's
# catalogues do without it. The tests install it (install-deps.sh test).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
