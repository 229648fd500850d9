# Where each source of the program goes. Every source folder's CMakeLists.txt names its own
# files, once, by the target they build:
#
#   velmor_sources(CORE <window-free> UI <windows> PROGRAM <the executable's own>)
#
# CORE builds velmor_core, UI velmor_ui, PROGRAM Velmor. The folders only name files, so the
# fuzz project (fuzz/) reads the same folders and takes the CORE ones alone.
get_filename_component(VELMOR_TOP ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(VELMOR_SOURCE_FOLDERS app calc chart gear_data platform res rules settings util)

function(velmor_sources)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "" "CORE;UI;PROGRAM")
  file(RELATIVE_PATH folder ${VELMOR_TOP} ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(kind IN ITEMS CORE UI PROGRAM)
    list(TRANSFORM arg_${kind} PREPEND ${folder}/)
    set_property(GLOBAL APPEND PROPERTY VELMOR_${kind}_SOURCES ${arg_${kind}})
  endforeach()
endfunction()

# Reads the source folders (their build folders go under binaryTop) and sets
# VELMOR_CORE_SOURCES, VELMOR_UI_SOURCES and VELMOR_PROGRAM_SOURCES to their files, as
# paths relative to the top folder.
macro(velmor_read_source_folders binaryTop)
  foreach(folder IN LISTS VELMOR_SOURCE_FOLDERS)
    add_subdirectory(${VELMOR_TOP}/${folder} ${binaryTop}/${folder})
  endforeach()
  foreach(kind IN ITEMS CORE UI PROGRAM)
    get_property(VELMOR_${kind}_SOURCES GLOBAL PROPERTY VELMOR_${kind}_SOURCES)
  endforeach()
endmacro()
