# Where an installation puts things: the programs in bin, the private
# libraries (both contract libraries and the module) in lib/<arch>/kelmira, the
# templates in share/kelmira/Templates, the menu entry, icon, metadata and
# manual pages in their usual share folders. The programs find the library and
# data folders relative to themselves, so an installed tree works from any
# root (an unpacked package too); a build tree keeps everything in build/bin.
include(GNUInstallDirs)

# Private libraries go in the architecture's library folder, outside the
# linker's search path (so no ldconfig run is needed), as Debian keeps them.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(KELMIRA_INSTALL_LIBRARYDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/kelmira)
else()
  set(KELMIRA_INSTALL_LIBRARYDIR lib/kelmira)
endif()
set(KELMIRA_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/kelmira)
file(RELATIVE_PATH KELMIRA_LIBRARY_FOLDER_FROM_PROGRAM
     /${CMAKE_INSTALL_BINDIR} /${KELMIRA_INSTALL_LIBRARYDIR})
file(RELATIVE_PATH KELMIRA_DATA_FOLDER_FROM_PROGRAM
     /${CMAKE_INSTALL_BINDIR} /${KELMIRA_INSTALL_DATADIR})

# Called once every target exists.
function(kelmira_install_rules)
  set_target_properties(kelmira kelmiractl PROPERTIES
    INSTALL_RPATH "$ORIGIN/${KELMIRA_LIBRARY_FOLDER_FROM_PROGRAM}")
  install(TARGETS kelmira kelmiractl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS contract_core contract kelmira_module
          LIBRARY DESTINATION ${KELMIRA_INSTALL_LIBRARYDIR})

  set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
  install(FILES ${desktop}/lt.kelmira.Kelmira.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${desktop}/lt.kelmira.Kelmira.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${desktop}/lt.kelmira.Kelmira.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

  # Manual pages are installed compressed, as the system keeps them.
  foreach(page kelmira.1 kelmiractl.1)
    set(packed ${CMAKE_BINARY_DIR}/man/${page}.gz)
    add_custom_command(OUTPUT ${packed}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/docs/man/${page} > ${packed}
      DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/${page} VERBATIM)
    list(APPEND packed_pages ${packed})
  endforeach()
  add_custom_target(manual_pages ALL DEPENDS ${packed_pages})
  install(FILES ${packed_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
