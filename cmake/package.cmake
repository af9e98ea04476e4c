# What the Debian package holds beyond the programs' own install rules, and how CPack makes
# it (scripts/package). The package depends on the shared libraries the programs link, as
# dpkg-shlibdeps finds them, and on the data they read at run time.

# The date of this version, for the AppStream metadata's release.
set(VELQUOR_RELEASE_DATE "2026-12-08")
set(VELQUOR_METAINFO_ID "example.velquor.velquor")

if(VELQUOR_BUILD_GUI)
  # The link to the home page comes from the same setting the program uses.
  configure_file("${PROJECT_SOURCE_DIR}/packaging/velquor.metainfo.xml"
                 "${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_DATADIR}/metainfo/${VELQUOR_METAINFO_ID}.metainfo.xml"
                 @ONLY)
  install(FILES "${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_DATADIR}/metainfo/${VELQUOR_METAINFO_ID}.metainfo.xml"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
# Debian's place for it, named after the package (CMAKE_INSTALL_DOCDIR is named after the
# project, "Velquor").
install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velquor)
# The Debian changelog, compressed as Debian policy asks (gzip -9n: no name, no time).
set(VELQUOR_CHANGELOG_GZ "${PROJECT_BINARY_DIR}/packaging/changelog.gz")
file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/packaging")
execute_process(COMMAND gzip -9nc "${PROJECT_SOURCE_DIR}/packaging/changelog"
                OUTPUT_FILE "${VELQUOR_CHANGELOG_GZ}" COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             "${PROJECT_SOURCE_DIR}/packaging/changelog")
install(FILES "${VELQUOR_CHANGELOG_GZ}" DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velquor)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "velquor")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Velquor developers")
set(CPACK_PACKAGE_CONTACT "The Velquor developers <maintainers@velquor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pranapada Lagna and sidereal birth chart calculator")
# Lines within 80 columns, as Debian's control file wants them.
set(CPACK_PACKAGE_DESCRIPTION
    "Velquor computes a person's Pranapada Lagna, a special ascendant of Vedic\n\
(sidereal) astrology, together with the sidereal birth chart it is derived\n\
from: in a window (velquor) or from the command line (velquor-cli), also as\n\
JSON and in batches.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELQUOR_HOME_PAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Read at run time, so no shared library names them: the precise ephemeris's data files,
# the atlas's place data, the time-zone database (QTimeZone), and the SQLite driver of Qt.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "swe-basic-data, libgeonames-common, tzdata, libqt6sql6-sqlite")
include(CPack)
