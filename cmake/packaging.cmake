# The Debian package: cmake --build build --target package
include(GNUInstallDirs)

set(AJUSTE_MAINTAINER "${AJUSTE_DEVELOPER} <dev@ajuste.local>"
  CACHE STRING "Name and address of the Debian package's maintainer")

# Configures a text file and installs it gzipped as Debian wants it: at most
# compression, and neither name nor time in the header, so builds agree.
function(install_gzipped template name destination)
  configure_file(${template} ${name} @ONLY)
  add_custom_command(OUTPUT ${name}.gz
    COMMAND gzip -9nkf ${name}
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${name}
    VERBATIM)
  add_custom_target(gzipped_${name} ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz DESTINATION ${destination})
endfunction()

set(doc ${CMAKE_INSTALL_DATADIR}/doc/${AJUSTE_PROGRAM})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${doc})
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog.in changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^${AJUSTE_PROGRAM} \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "cmake/changelog.in needs an entry for version ${PROJECT_VERSION} on top")
endif()
install_gzipped(${CMAKE_CURRENT_LIST_DIR}/changelog.in changelog ${doc})
install_gzipped(${PROJECT_SOURCE_DIR}/docs/${AJUSTE_PROGRAM}.1.in ${AJUSTE_PROGRAM}.1 ${CMAKE_INSTALL_MANDIR}/man1)

# A plain strip keeps the compiler's .comment, which Debian's own strip drops.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:ajuste>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${AJUSTE_PROGRAM})
set(CPACK_PACKAGE_CONTACT "${AJUSTE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fit an exponential curve to measured points (Spanish interface)")
set(CPACK_PACKAGE_DESCRIPTION "A small desktop program for students and lab users. Type, paste or open
up to 20 measured points (t, y), see them in a graph with the curve
f(t) = a*exp(c*(t - t0)), and set a, c and t0 by hand or fit them by
gradient descent or least squares, reading the squared error, its gradient,
the fitted parameters' standard errors and R squared. The data table is
saved to and loaded from text or CSV files; the graph can be saved as PNG,
SVG or PDF, or printed. The window is in Spanish.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the libraries the binary links do not name them: the
# X11 platform plugin, the font the window's face maps to, and Qt's own texts
# in Spanish.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
