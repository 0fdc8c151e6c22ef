target_sources(tesselo_fenster PRIVATE ${CMAKE_CURRENT_LIST_DIR}/spielfenster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/puz_drag.cpp ${CMAKE_CURRENT_LIST_DIR}/puz_raet.cpp)
target_sources(tesselo_kern PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tauschbrett.cpp ${CMAKE_CURRENT_LIST_DIR}/tauschmasse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/raetselbrett.cpp ${CMAKE_CURRENT_LIST_DIR}/raetselmasse.cpp)
