# The window-free sources (velmor_core), relative to the top folder. The fuzz targets
# build the same list with clang.
set(VELMOR_CORE_SOURCES
  app/help_file.cpp
  calc/average_speed.cpp calc/energy.cpp calc/gear_figures.cpp calc/gradient.cpp calc/number_text.cpp
  calc/operand_stack.cpp calc/side_calc.cpp calc/speed_table.cpp
  chart/cadence_band.cpp chart/chart_axis.cpp chart/chart_model.cpp chart/chart_table.cpp
  chart/development_limits.cpp chart/png_image.cpp chart/table_text.cpp
  gear_data/default_gear_file.cpp gear_data/editor_text.cpp gear_data/gear_file.cpp
  gear_data/gear_list.cpp gear_data/gear_tables.cpp
  platform/cp932.cpp platform/minimized_icon.cpp platform/text_file.cpp
  res/accessible_names.cpp res/dialog_templates.cpp res/strings.cpp)
if(WIN32)
  list(APPEND VELMOR_CORE_SOURCES platform/cp932_msw.cpp platform/text_file_msw.cpp)
else()
  list(APPEND VELMOR_CORE_SOURCES platform/cp932_iconv.cpp platform/text_file_posix.cpp)
endif()
