# The Windows builds: the program, and the test and benchmark helpers that run
# beside it under Wine.
enable_language(RC)
if(KELVARO_WINXP)
  add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
else()
  add_compile_definitions(_WIN32_WINNT=0x0502 WINVER=0x0502 _WIN32_IE=0x0600)
endif()
add_compile_definitions(WIN32_LEAN_AND_MEAN)
set(KELVARO_STATIC_RUNTIME -static -static-libgcc -static-libstdc++ -Wl,--gc-sections)
# A small portable exe matters more than speed here: its work is waiting for commands.
add_compile_options(-Os -ffunction-sections -fdata-sections)

file(GLOB KELVARO_PLATFORM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/win32/*.cpp)
add_library(kelvaro_platform STATIC ${KELVARO_PLATFORM_SOURCES})
target_link_libraries(kelvaro_platform PUBLIC kelvaro_operations shell32 ole32 winmm advapi32 comctl32 uxtheme gdi32 user32)

# Pictures and sounds are made by committed scripts at build time.
set(KELVARO_GENERATED ${CMAKE_BINARY_DIR}/generated)
add_custom_command(
  OUTPUT ${KELVARO_GENERATED}/main_window.ico ${KELVARO_GENERATED}/program_file.ico
  COMMAND python3 ${CMAKE_SOURCE_DIR}/scripts/make-icons.py ${KELVARO_GENERATED}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make-icons.py)
add_custom_command(
  OUTPUT ${KELVARO_GENERATED}/about_chime.wav
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/make-chime.sh ${KELVARO_GENERATED}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make-chime.sh)
add_custom_target(kelvaro_media DEPENDS ${KELVARO_GENERATED}/main_window.ico
                                        ${KELVARO_GENERATED}/program_file.ico
                                        ${KELVARO_GENERATED}/about_chime.wav)

file(GLOB KELVARO_APP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/*.cpp)
add_executable(kelvaro WIN32 ${KELVARO_APP_SOURCES} app/kelvaro.rc)
add_dependencies(kelvaro kelvaro_media)
set_property(SOURCE app/kelvaro.rc APPEND PROPERTY OBJECT_DEPENDS
             ${KELVARO_GENERATED}/main_window.ico ${KELVARO_GENERATED}/program_file.ico
             ${KELVARO_GENERATED}/about_chime.wav ${CMAKE_SOURCE_DIR}/app/kelvaro.manifest)
target_include_directories(kelvaro PRIVATE ${KELVARO_GENERATED} ${CMAKE_SOURCE_DIR}/app)
target_link_libraries(kelvaro PRIVATE kelvaro_actions kelvaro_platform ${KELVARO_STATIC_RUNTIME}
                      -s)
# The about window's browser pane passes its address as a BSTR.
target_link_libraries(kelvaro PRIVATE oleaut32)

# The program catches no exception (an allocation failure ends it either way),
# so its code carries no unwinding tables: a third smaller.
foreach(target kelvaro kelvaro_actions kelvaro_platform kelvaro_operations)
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-asynchronous-unwind-tables)
endforeach()

if(NOT KELVARO_WINXP)
  add_subdirectory(tests/e2e)
  add_subdirectory(bench)
endif()
