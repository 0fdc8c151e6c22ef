# Tests of the checks before writing.
tesselo_test(test_pruefen FENSTER ${CMAKE_CURRENT_LIST_DIR}/test_pruefen.cpp)
