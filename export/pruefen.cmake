# Checks before writing: the web-name rule is plain logic, the two questions are windows.
target_sources(tesselo_kern PRIVATE ${CMAKE_CURRENT_LIST_DIR}/webname.cpp)
target_sources(tesselo_fenster PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/puz_warn.cpp ${CMAKE_CURRENT_LIST_DIR}/htm_chk.cpp ${CMAKE_CURRENT_LIST_DIR}/ausgabe_pruefen.cpp)
