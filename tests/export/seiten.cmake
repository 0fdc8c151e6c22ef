# Tests of the page writers and templates.
tesselo_test(seiten_text_test LOGIK ${CMAKE_CURRENT_LIST_DIR}/test_seitentext.cpp)
