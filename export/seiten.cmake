target_sources(tesselo_fenster PRIVATE ${CMAKE_CURRENT_LIST_DIR}/puz_hpt_export.cpp)
