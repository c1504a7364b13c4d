# Windows builds: the widget set, the program and the tests that run under Wine.
file(GLOB VNT_WIN32_SOURCES CONFIGURE_DEPENDS src/ui/win32/*.cpp src/platform/win32/*.cpp)
# One library: the portable code calls the file functions that live beside the Win32 ports.
target_sources(vnt_core PRIVATE ${VNT_WIN32_SOURCES})
target_link_libraries(vnt_core PUBLIC comctl32 comdlg32 gdi32 iphlpapi ws2_32 winmm)
target_compile_definitions(vnt_core PUBLIC UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
set(VNT_STATIC_LINK -static -static-libgcc -static-libstdc++)

add_executable(vantorel WIN32 src/app/vnt.cpp res/vnt.rc)
target_link_libraries(vantorel PRIVATE vnt_core ${VNT_STATIC_LINK} -municode)
vnt_warnings(vantorel)

# The help file, compiled beside the program.
find_program(CHMCMD chmcmd)
file(GLOB VNT_HELP_SOURCES CONFIGURE_DEPENDS res/help/*)
if(CHMCMD)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/vntr.chm
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/build-help.sh ${CMAKE_SOURCE_DIR}/res/help ${CMAKE_BINARY_DIR}
    DEPENDS ${VNT_HELP_SOURCES})
  add_custom_target(vnt_help ALL DEPENDS ${CMAKE_BINARY_DIR}/vntr.chm)
endif()

if(VNT_TESTS)
  file(GLOB VNT_WIN_TESTS CONFIGURE_DEPENDS tests/win/*.cpp)
  add_executable(vnt_win_tests ${VNT_WIN_TESTS} res/vnt.rc)
  target_link_libraries(vnt_win_tests PRIVATE vnt_core GTest::gtest GTest::gmock ${VNT_STATIC_LINK})
  target_include_directories(vnt_win_tests PRIVATE tests)
  vnt_warnings(vnt_win_tests)
  set(VNT_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-test.sh)
  add_test(NAME wine_suite COMMAND bash ${VNT_WINE_RUN} ${CMAKE_BINARY_DIR} $<TARGET_FILE:vnt_win_tests>)
  set_tests_properties(wine_suite PROPERTIES TIMEOUT 900)
endif()

# The probe that drives the running program from outside, for the black-box test.
add_executable(vnt_probe tools/vnt_probe.cpp)
target_link_libraries(vnt_probe PRIVATE comctl32 ${VNT_STATIC_LINK} -municode)
vnt_warnings(vnt_probe)
if(VNT_TESTS)
  add_test(NAME program_black_box COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/exe-test.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(program_black_box PROPERTIES TIMEOUT 600)
endif()

# The ping-run benchmark (scripts/bench-ping.sh runs it against the responder).
add_executable(vnt_bench_ping tools/bench_ping.cpp)
target_link_libraries(vnt_bench_ping PRIVATE vnt_core ${VNT_STATIC_LINK} -municode)
vnt_warnings(vnt_bench_ping)
