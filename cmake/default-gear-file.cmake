# The default gear data Velmor.ini that the packages ship for a first start, written at
# build time by the program's own code (DefaultGearFileText through the text-file writer,
# as the editor writes it), so that no second copy of it exists. It goes to a folder of
# its own, where no gear data that a developer edits could be overwritten.
set(VELMOR_DEFAULT_GEAR_FILE ${PROJECT_BINARY_DIR}/default-gear/Velmor.ini
    CACHE INTERNAL "The built default gear data")
get_filename_component(folder ${VELMOR_DEFAULT_GEAR_FILE} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
set(writer_source ${PROJECT_SOURCE_DIR}/packaging/gear-file)

if(CMAKE_CROSSCOMPILING)
  # The writer for the build machine, from the same sources (see its project); rebuilt
  # whenever they change, as ExternalProject cannot see them itself.
  include(ExternalProject)
  set(host ${PROJECT_BINARY_DIR}/gear-file-writer)
  set(writer ${host}/velmor_gear_file_writer)
  ExternalProject_Add(velmor_gear_file_writer
    SOURCE_DIR ${writer_source}
    BINARY_DIR ${host}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${writer}
    INSTALL_COMMAND "")
  set(writer_depends ${writer} velmor_gear_file_writer)
else()
  add_executable(velmor_gear_file_writer ${writer_source}/write_default_gear_file.cpp)
  target_link_libraries(velmor_gear_file_writer PRIVATE velmor_core)
  velmor_cp932_literals(velmor_gear_file_writer)
  set(writer velmor_gear_file_writer)
  set(writer_depends velmor_gear_file_writer)
endif()

add_custom_command(OUTPUT ${VELMOR_DEFAULT_GEAR_FILE}
  COMMAND ${writer}
  WORKING_DIRECTORY ${folder}
  DEPENDS ${writer_depends}
  COMMENT "Writing the default gear data Velmor.ini"
  VERBATIM)
add_custom_target(velmor_default_gear_file ALL DEPENDS ${VELMOR_DEFAULT_GEAR_FILE})
