# The tool windows, the help viewer and the defaults window, for the program's library.
# Paths are relative to app/.
set(TRELVIX_TOOL_WINDOW_SOURCES
  arrow_form.cpp
  bond_editor.cpp
  bond_pictures.cpp
  comments_form.cpp
  document_picture.cpp
  element_cell.cpp
  group_editor.cpp
  group_pictures.cpp
  help_viewer.cpp
  import_dialog.cpp
  metric_tool.cpp
  molecular_data.cpp
  periodic_table.cpp
  reaction_plot.cpp
  reaction_tool.cpp
  settings_form.cpp
  spring_slider.cpp
  symbol_editor.cpp
  text_editor.cpp
  tool_placement.cpp
  tool_window.cpp
  vibrations_tool.cpp
)

# The help viewer falls back on the source tree's pages when the program runs uninstalled
# (from the build folder, and in the tests).
set_source_files_properties(help_viewer.cpp PROPERTIES
  COMPILE_DEFINITIONS "TRELVIX_HELP_SOURCE_DIR=\"${PROJECT_SOURCE_DIR}/help\"")
