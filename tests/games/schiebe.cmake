# Tests of the shared game parts and the sliding puzzle.
tesselo_test(test_schiebebrett LOGIK ${CMAKE_CURRENT_LIST_DIR}/test_schiebebrett.cpp)
tesselo_test(test_puz_sch FENSTER ${CMAKE_CURRENT_LIST_DIR}/test_puz_sch.cpp)
