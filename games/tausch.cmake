target_sources(tesselo_fenster PRIVATE ${CMAKE_CURRENT_LIST_DIR}/puz_drag.cpp ${CMAKE_CURRENT_LIST_DIR}/puz_raet.cpp)
