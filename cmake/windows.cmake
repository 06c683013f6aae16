# Windows build: the program, its code as a library, and the in-process window tests run under Wine.
# Narrow literals are code page 932; a static runtime lets the program run on any Windows, and
# under Wine, without extra DLLs.
if(MSVC)
    add_compile_options(/W4 /source-charset:utf-8 /execution-charset:.932)
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
    add_compile_options(-Wall -Wextra -finput-charset=UTF-8 -fexec-charset=CP932)
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()
add_compile_definitions(STRICT NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0600)

foreach(layer ${NEXADRAW_LAYERS})
    nexadraw_layer_sources(${layer} sources)
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
    nexadraw_add_layer(${layer} ${sources})
endforeach()
target_link_libraries(nexadraw_platform PUBLIC comctl32 comdlg32 shell32 ole32 imm32 gdi32 user32 kernel32)
# The version the About dialog shows is the project's.
target_compile_definitions(nexadraw_windows PRIVATE NEXADRAW_VERSION="${PROJECT_VERSION}")

set(RESOURCE_SCRIPT ${CMAKE_SOURCE_DIR}/src/resources/nexadraw.rc)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/src/resources")
enable_language(RC)

add_executable(nexadraw WIN32 ${CMAKE_SOURCE_DIR}/src/app/main.cpp ${RESOURCE_SCRIPT})
target_link_libraries(nexadraw PRIVATE nexadraw_app)

# The installed folder holds the program beside the default library, so that starting it there
# (a double click starts a program in its own folder) opens Symbol.txt and Symbol\.
install(TARGETS nexadraw RUNTIME DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/library/ DESTINATION .)

add_library(nexadraw_test_support STATIC EXCLUDE_FROM_ALL ${NEXADRAW_PORTABLE_TEST_SUPPORT} ${NEXADRAW_WINDOWS_TEST_SUPPORT})
target_include_directories(nexadraw_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(nexadraw_test_support PUBLIC nexadraw_app)

file(GLOB WIN_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win/*.cpp)
foreach(source ${WIN_BENCH_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} EXCLUDE_FROM_ALL ${source} ${RESOURCE_SCRIPT})
    target_link_libraries(${name} PRIVATE nexadraw_test_support)
endforeach()

if(NOT EXISTS ${GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(STATUS "No GoogleTest sources at ${GOOGLETEST_SOURCE}: building the program only")
    return()
endif()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# One test program links the program's code and resources and drives the real windows in-process.
file(GLOB WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp ${CMAKE_SOURCE_DIR}/tests/win/harness/*.cpp)
add_executable(win_tests ${WIN_TEST_SOURCES} ${RESOURCE_SCRIPT})
target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/win/harness)
target_link_libraries(win_tests PRIVATE nexadraw_test_support GTest::gtest)
add_test(NAME win_tests COMMAND win_tests)
set_tests_properties(win_tests PROPERTIES TIMEOUT 900)
