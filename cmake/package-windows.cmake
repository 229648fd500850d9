# Velmor for Windows: the zip (cpack -G ZIP) and the installer (target `installer`), both
# with Velmor.exe, the help page Velmor.mht, the default gear data Velmor.ini, a read-me
# and the licences of the parts of other projects that are linked into the exe. The zip
# is a folder to unpack and run; the installer puts the gear data into the user's folder
# instead of the program's.
install(TARGETS Velmor RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/res/readme-windows.txt DESTINATION . RENAME README.txt)
install(FILES ${VELMOR_HELP_FILE} ${VELMOR_DEFAULT_GEAR_FILE} DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/packaging/windows/licences DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Velmor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The installer is made by NSIS from the same files, installed stripped into a stage. The
# 64-bit build, which stands in for the tests where wine cannot run 32-bit programs, gets
# NSIS's 64-bit stub; the shipped installer is the 32-bit one.
find_program(VELMOR_MAKENSIS makensis REQUIRED)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(nsis_target amd64-unicode)
else()
  set(nsis_target x86-unicode)
endif()
set(stage ${PROJECT_BINARY_DIR}/installer-stage)
add_custom_target(installer
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
  COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${stage} --strip
  COMMAND ${VELMOR_MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION}
          -DSTAGE=${stage} -DICON=${PROJECT_SOURCE_DIR}/res/velmor.ico -DTARGET=${nsis_target}
          -DOUTFILE=${PROJECT_BINARY_DIR}/Velmor-${PROJECT_VERSION}-setup.exe
          ${PROJECT_SOURCE_DIR}/packaging/windows/velmor.nsi
  DEPENDS Velmor velmor_help velmor_default_gear_file
  VERBATIM)
