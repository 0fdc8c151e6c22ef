target_sources(tesselo_fenster PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/puz_warn.cpp ${CMAKE_CURRENT_LIST_DIR}/htm_chk.cpp ${CMAKE_CURRENT_LIST_DIR}/ausgabe_pruefen.cpp)
