# Tests of the swap puzzle and the picture riddle.
tesselo_test(test_tauschbrett LOGIK ${CMAKE_CURRENT_LIST_DIR}/test_tauschbrett.cpp)
tesselo_test(test_raetselbrett LOGIK ${CMAKE_CURRENT_LIST_DIR}/test_raetselbrett.cpp)
tesselo_test(test_puz_drag FENSTER ${CMAKE_CURRENT_LIST_DIR}/test_puz_drag.cpp)
tesselo_test(test_puz_raet FENSTER ${CMAKE_CURRENT_LIST_DIR}/test_puz_raet.cpp)
