# Tests of the shared game parts and the sliding puzzle.
tesselo_test(test_schiebebrett LOGIK ${CMAKE_CURRENT_LIST_DIR}/test_schiebebrett.cpp)
