# The Debian package: `cpack -G DEB` in a build tree (scripts/package.sh builds it) writes
# waermebehandlung_<version>_<arch>.deb with the program, the driver, the desktop entry, the icon
# theme, the metainfo, manual pages, the copyright file and the changelog. Its dependencies are
# computed from the shared libraries the executables use.

set(WB_DOC_DIR share/doc/waermebehandlung)
set(WB_PACKAGE_STAGE ${CMAKE_BINARY_DIR}/packaging)

# Manual pages and the changelog are installed compressed, as Debian wants them (gzip -n: no
# name or time stamp in the header, so the same sources give the same bytes).
find_program(WB_GZIP gzip REQUIRED)
set(wb_package_files)
foreach(page waermebehandlung.1 waermebehandlung-script.1)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/man/${page} ${WB_PACKAGE_STAGE}/${page} @ONLY)
  add_custom_command(OUTPUT ${WB_PACKAGE_STAGE}/${page}.gz
    COMMAND ${WB_GZIP} -9nf -k ${page}
    WORKING_DIRECTORY ${WB_PACKAGE_STAGE}
    DEPENDS ${WB_PACKAGE_STAGE}/${page})
  list(APPEND wb_package_files ${WB_PACKAGE_STAGE}/${page}.gz)
  install(FILES ${WB_PACKAGE_STAGE}/${page}.gz DESTINATION share/man/man1)
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/packaging/debian/changelog ${WB_PACKAGE_STAGE}/changelog COPYONLY)
add_custom_command(OUTPUT ${WB_PACKAGE_STAGE}/changelog.gz
  COMMAND ${WB_GZIP} -9nf -k changelog
  WORKING_DIRECTORY ${WB_PACKAGE_STAGE}
  DEPENDS ${WB_PACKAGE_STAGE}/changelog)
list(APPEND wb_package_files ${WB_PACKAGE_STAGE}/changelog.gz)
add_custom_target(packagefiles ALL DEPENDS ${wb_package_files})
install(FILES ${WB_PACKAGE_STAGE}/changelog.gz packaging/debian/copyright README.md DESTINATION ${WB_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME waermebehandlung)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Wärmebehandlung developers <maintainers@users.noreply.c-seed-8ff1de2b.example>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The first line is the summary, the rest the long description (CPack indents its lines).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"teaching program on the heat treatment of steels
Wärmebehandlung is an interactive, German-language teaching program on the
fundamentals of the heat treatment of steels (Lernprogramm zur
Wärmebehandlung von Stählen). Each lesson draws a schematic diagram and
animates a process on it:
 - binary phase diagrams: thermal analysis, the basic diagram types with
   tie lines and the lever rule;
 - the iron-carbon diagram with the cooling of steels and cast iron;
 - continuous and isothermal time-temperature-austenitising (ZTA) and
   time-temperature-transformation (ZTU) diagrams;
 - normalising, hardening, quenching and tempering and the annealing
   processes, with micrographs.
.
The package also holds waermebehandlung-script, which runs the program
headless from a command script and saves pictures of its windows.")
include(CPack)
