# The Debian package (cmake --build build --target package): what an
# installation holds (see InstallLayout.cmake) under /usr, stripped, with the
# dependencies dpkg-shlibdeps finds in the programs and libraries plus the Qt
# plugins they load at run time (database drivers, screen, SVG pictures).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelmira)
set(CPACK_PACKAGE_VENDOR "Kelmira")
set(CPACK_PACKAGE_CONTACT "Kelmira maintainers <maintainers@kelmira.lt>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vehicle fleet and trip sheet keeping")
set(CPACK_PACKAGE_DESCRIPTION
  "Kelmira keeps a company's vehicle fleet: vehicles with their drivers,\n"
  "documents, fuel tanks, fuel norms and mounted tyres; tyres and their\n"
  "history; a catalogue of route segments; and trip sheets, from which it\n"
  "works out distance, fuel used by norms and fuel left. Sheets are\n"
  "auto-numbered, printed and exported into word-processor templates\n"
  "(.docx and .odt). The program speaks Lithuanian and keeps its data in\n"
  "SQLite or PostgreSQL.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kelmira.lt/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The package's own documents: its copyright and its change history.
set(doc_folder ${CMAKE_INSTALL_DATADIR}/doc/kelmira)
set(packed_changelog ${CMAKE_BINARY_DIR}/package/changelog.gz)
add_custom_command(OUTPUT ${packed_changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/package
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/resources/package/changelog > ${packed_changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/resources/package/changelog VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${packed_changelog})
install(FILES ${packed_changelog} ${PROJECT_SOURCE_DIR}/resources/package/copyright DESTINATION ${doc_folder})

include(CPack)
