# Registers the end-to-end cases (every E2E_CASE in tests/e2e/*_cases.cpp) as
# ctest tests, around a fixture that prepares a fresh test prefix, an X server
# and a persistent wineserver, and stops them afterwards.
set(E2E_SCRIPT ${CMAKE_SOURCE_DIR}/scripts/e2e.sh)
set(E2E_BUILD ${CMAKE_SOURCE_DIR}/build)

add_test(NAME e2e.setup COMMAND ${E2E_SCRIPT} setup ${KELVARO_WIN64_DIR})
add_test(NAME e2e.teardown COMMAND ${E2E_SCRIPT} teardown)
set_tests_properties(e2e.setup PROPERTIES FIXTURES_SETUP wine RESOURCE_LOCK wine)
set_tests_properties(e2e.teardown PROPERTIES FIXTURES_CLEANUP wine RESOURCE_LOCK wine)

add_test(NAME e2e.sandbox COMMAND ${E2E_SCRIPT} check-sandbox)
set_tests_properties(e2e.sandbox PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine)

file(GLOB E2E_CASE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_cases.cpp)
foreach(source ${E2E_CASE_SOURCES})
  file(STRINGS ${source} lines REGEX "^E2E_CASE\\(")
  foreach(line ${lines})
    string(REGEX REPLACE "^E2E_CASE\\(([A-Za-z0-9_]+)\\).*" "\\1" name "${line}")
    add_test(NAME e2e.${name} COMMAND ${E2E_SCRIPT} case ${name})
    set_tests_properties(e2e.${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine
                                                TIMEOUT 300)
  endforeach()
endforeach()
