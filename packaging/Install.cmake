# What an installed tree holds, laid out by GNUInstallDirs, and the Debian package made from it.
include(GNUInstallDirs)

set(ZORIDUVO_ID org.zoriduvo.ZoridUvo)
set(ZORIDUVO_DATADIR ${CMAKE_INSTALL_DATADIR}/zoriduvo)
# The program finds its guide from its own place, so a moved or unpacked tree still finds it.
file(RELATIVE_PATH ZORIDUVO_DATA_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/zoriduvo)
if(TARGET zoriduvo_gui)
  target_compile_definitions(zoriduvo_gui PRIVATE ZORIDUVO_DATA_FROM_PROGRAM="${ZORIDUVO_DATA_FROM_PROGRAM}")
endif()
# The print helper is no command of its own: it goes where a package keeps its private programs,
# and zoriduvo-cli finds it from its own place the same way.
set(ZORIDUVO_HELPERDIR lib/zoriduvo)
file(RELATIVE_PATH ZORIDUVO_PRINT_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${ZORIDUVO_HELPERDIR})
if(TARGET zoriduvo-cli)
  target_compile_definitions(zoriduvo-cli PRIVATE ZORIDUVO_PRINT_FROM_PROGRAM="${ZORIDUVO_PRINT_FROM_PROGRAM}")
endif()
# The build folder is a place the program runs from too: the guide goes beside it there.
configure_file(${PROJECT_SOURCE_DIR}/docs/guide/Vuror32.odi ${PROJECT_BINARY_DIR}/Vuror32.odi COPYONLY)

# Debian wants manual pages and the changelog compressed, without a time stamp.
set(ZORIDUVO_COMPRESSED)
foreach(source docs/man/zoriduvo.1 docs/man/zoriduvo-cli.1 packaging/changelog)
  get_filename_component(name ${source} NAME)
  set(gz ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${gz}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
                     COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${source} > ${gz}
                     DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND ZORIDUVO_COMPRESSED ${gz})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${ZORIDUVO_COMPRESSED})

if(TARGET zoriduvo-cli)
  install(TARGETS zoriduvo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_BINARY_DIR}/packaging/zoriduvo-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES data/completion/zoriduvo-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()
if(TARGET zoriduvo)
  install(TARGETS zoriduvo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS zoriduvo-print RUNTIME DESTINATION ${ZORIDUVO_HELPERDIR})
  install(FILES ${PROJECT_BINARY_DIR}/packaging/zoriduvo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES docs/guide/Vuror32.odi DESTINATION ${ZORIDUVO_DATADIR})
  install(FILES data/${ZORIDUVO_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/${ZORIDUVO_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES data/${ZORIDUVO_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES data/icons/${ZORIDUVO_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES data/icons/${ZORIDUVO_ID}-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ZORIDUVO_ID}.png)
  endforeach()
endif()
install(FILES packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zoriduvo)
set(CPACK_PACKAGE_VENDOR "Zo rid Uvo developers")
# The project has no web site or address of its own yet. Debian wants an address beside the
# maintainer's name: one in the reserved .invalid domain says that there is none (RFC 6761).
set(CPACK_PACKAGE_CONTACT "Zo rid Uvo developers <no-address@zoriduvo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for statistical data sheets of cases and variables")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zo rid Uvo types, edits, checks and transforms statistical data sets in
several sheets inside one frame, with a Japanese user interface. It reads
and writes vo-Data files, opens CSV files, imports and exports several text
forms and computes descriptive statistics. The command line program
zoriduvo-cli does the same conversions without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps; what Qt loads at run time and the font are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-ipafont-gothic")
include(CPack)
