# What `cmake --install` puts where: the two programs, and what a Linux desktop needs to offer
# the calculator: its desktop entry, the tape file's type, icons, AppStream data and manual
# pages. The wave files are installed by shell/qt/sound.
include(GNUInstallDirs)

# The name the desktop knows the program by: desktop entry, icon and AppStream component.
set(ZOVREK_APP_ID io.github.zovrek.Zovrek)
# The day the version in project() was released; the two change together.
set(ZOVREK_RELEASE_DATE 2026-12-08)
# The project has no public site: a reserved example address stands in for it in the AppStream
# data and the package, which both want one.
set(ZOVREK_HOMEPAGE "https://zovrek.example.org/" CACHE STRING "Home page named by the AppStream data and the package")

set(installed_programs zovrek-tape)
set(man_pages zovrek-tape)

if(ZOVREK_BUILD_GUI)
  list(APPEND installed_programs zovrek)
  list(APPEND man_pages zovrek)

  set(desktop_source ${PROJECT_SOURCE_DIR}/resources/desktop)
  set(desktop_build ${PROJECT_BINARY_DIR}/resources/desktop)
  install(FILES ${desktop_source}/${ZOVREK_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${desktop_source}/${ZOVREK_APP_ID}.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  configure_file(${desktop_source}/${ZOVREK_APP_ID}.metainfo.xml.in
                 ${desktop_build}/${ZOVREK_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${desktop_build}/${ZOVREK_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  add_subdirectory(resources/icons)
endif()

install(TARGETS ${installed_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The project's own libraries are linked in statically: no search path beside the program,
# where a stray library would otherwise be picked up.
set_target_properties(${installed_programs} PROPERTIES INSTALL_RPATH "")

foreach(page IN LISTS man_pages)
  configure_file(${PROJECT_SOURCE_DIR}/resources/man/${page}.1.in
                 ${PROJECT_BINARY_DIR}/resources/man/${page}.1 @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/resources/man/${page}.1
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
