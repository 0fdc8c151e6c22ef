# Page texts and their bytes: window-free logic.
target_sources(tesselo_kern PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/seitentext.cpp ${CMAKE_CURRENT_LIST_DIR}/seitenkodierung.cpp)
# The main window's export commands.
target_sources(tesselo_fenster PRIVATE ${CMAKE_CURRENT_LIST_DIR}/puz_hpt_export.cpp)
