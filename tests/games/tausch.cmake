# Tests of the swap puzzle and the picture riddle.
tesselo_test(test_tauschbrett LOGIK ${CMAKE_CURRENT_LIST_DIR}/test_tauschbrett.cpp)
tesselo_test(test_raetselbrett LOGIK ${CMAKE_CURRENT_LIST_DIR}/test_raetselbrett.cpp)
