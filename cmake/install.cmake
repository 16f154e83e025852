# What `make install` and `make package` put on a machine: the program, the material generator,
# their manual pages, the demo league (styles, style list, verse table) that
# `halvorin --init` copies into a new league folder, and the seasons' tables (each season's
# Set.txt, as `halvorin --init DIR --season NAME` writes it).
include(GNUInstallDirs)

install(TARGETS halvorin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET halvorin-material)
  install(TARGETS halvorin-material RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/man/halvorin.1 ${CMAKE_SOURCE_DIR}/man/halvorin-material.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
file(GLOB HALVORIN_DEMO_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/demo/*)
install(FILES ${HALVORIN_DEMO_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/halvorin/demo)
file(GLOB HALVORIN_SEASON_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/seasons/*.txt)
install(FILES ${HALVORIN_SEASON_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/halvorin/seasons)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package. Its dependencies come from the libraries the program links (ncurses among
# them) where dpkg-shlibdeps is at hand, else from this list.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME halvorin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Halvorin developers <halvorin@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz packet builder for Bible quizzing, every season of the rotation")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_STRIP_FILES ON)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libncursesw6, libtinfo6")
endif()
include(CPack)

# Where `halvorin --init` finds the demo: beside the installed program (relative to its own
# location, so a private PREFIX works), else in the source tree it was built from.
target_compile_definitions(halvorin PRIVATE
  HALVORIN_DATA_DIR="${CMAKE_INSTALL_DATADIR}/halvorin"
  HALVORIN_SOURCE_DEMO="${CMAKE_SOURCE_DIR}/demo")
