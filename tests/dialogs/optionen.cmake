# Tests of the options dialog.
tesselo_test(test_puz_opt FENSTER ${CMAKE_CURRENT_LIST_DIR}/test_puz_opt.cpp)
