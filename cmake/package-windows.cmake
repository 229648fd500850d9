# The Windows zip (cpack -G ZIP): Velmor.exe, the help page Velmor.mht and a read-me.
install(TARGETS Velmor RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/res/readme-windows.txt DESTINATION . RENAME README.txt)
install(FILES ${VELMOR_HELP_FILE} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Velmor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
