# The host build: unit tests of the portable code, and the registration of the
# end-to-end tests that run the Windows build under Wine.
enable_testing()
find_package(GTest REQUIRED)

file(GLOB KELVARO_UNIT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${KELVARO_UNIT_SOURCES} ${CMAKE_SOURCE_DIR}/app/control_table.cpp
                          ${CMAKE_SOURCE_DIR}/tests/about_window_stand_in.cpp)
target_link_libraries(unit_tests PRIVATE kelvaro_actions GTest::gtest GTest::gmock
                      GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(unit_tests TEST_PREFIX unit. DISCOVERY_TIMEOUT 30)

set(KELVARO_WIN64_DIR "" CACHE PATH "Build folder of the x86_64 Windows build")
set(KELVARO_WINXP_DIR "" CACHE PATH "Build folder of the Windows XP build")
if(KELVARO_WINXP_DIR)
  add_test(NAME xp.imports
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-xp-imports.sh
                   ${KELVARO_WINXP_DIR}/kelvaro.exe ${CMAKE_SOURCE_DIR}/tests/xp-imports.txt)
endif()
if(KELVARO_WIN64_DIR)
  include(${CMAKE_SOURCE_DIR}/tests/e2e/register.cmake)
endif()
