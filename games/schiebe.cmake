target_sources(tesselo_kern PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zufall.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spielanzeige.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schiebebrett.cpp)
target_sources(tesselo_fenster PRIVATE ${CMAKE_CURRENT_LIST_DIR}/puz_sch.cpp)
