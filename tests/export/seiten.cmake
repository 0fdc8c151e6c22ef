# Tests of the page writers and templates.
tesselo_test(seiten_text_test LOGIK ${CMAKE_CURRENT_LIST_DIR}/test_seitentext.cpp)

# The browser tests play pages that the program's own writers wrote from a
# real cut; seiten_erzeugen writes them, node drives Chromium.
add_executable(seiten_erzeugen ${CMAKE_SOURCE_DIR}/tests/browser/seiten_erzeugen.cpp)
target_link_libraries(seiten_erzeugen PRIVATE tesselo_fenster)
add_dependencies(seiten_erzeugen tesselo_daten)
find_program(TESSELO_NODE node)
if(TESSELO_NODE)
  add_test(NAME seiten_browser_test
    COMMAND ${TESSELO_NODE} --test --test-reporter=spec ${CMAKE_SOURCE_DIR}/tests/browser/seiten.test.js)
  set_tests_properties(seiten_browser_test PROPERTIES
    ENVIRONMENT "SEITEN_ERZEUGEN=$<TARGET_FILE:seiten_erzeugen>;SEITEN_VORLAGEN=${CMAKE_BINARY_DIR};QT_QPA_PLATFORM=offscreen"
    TIMEOUT 300)
endif()
tesselo_test(seiten_export_test FENSTER ${CMAKE_CURRENT_LIST_DIR}/test_seitenexport.cpp)
