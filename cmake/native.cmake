# Native build: the portable core and its unit tests, under AddressSanitizer and UBSan.
option(NEXADRAW_SANITIZE "Build with AddressSanitizer and UBSan" ON)
if(NEXADRAW_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra)

add_library(nexadraw_core STATIC ${CORE_SOURCES})
target_include_directories(nexadraw_core PUBLIC ${CMAKE_SOURCE_DIR}/src)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*_test.cpp)
add_executable(core_tests ${NATIVE_TEST_SOURCES})
target_link_libraries(core_tests PRIVATE nexadraw_core GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60)
