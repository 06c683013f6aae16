# Native build: the portable core, its unit tests under AddressSanitizer and UBSan, and artgen.
option(NEXADRAW_SANITIZE "Build with AddressSanitizer and UBSan" ON)
if(NEXADRAW_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra)

nexadraw_layer_sources(core CORE_SOURCES)
nexadraw_add_layer(core ${CORE_SOURCES})

# Draws every picture in src/resources/ and library/ with the program's own BMP and catalogue writers.
file(GLOB ARTGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/artgen/*.cpp)
add_executable(artgen ${ARTGEN_SOURCES})
target_link_libraries(artgen PRIVATE nexadraw_core)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_library(nexadraw_test_support STATIC ${NEXADRAW_PORTABLE_TEST_SUPPORT})
target_include_directories(nexadraw_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(nexadraw_test_support PUBLIC nexadraw_core)

file(GLOB NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*_test.cpp)
add_executable(core_tests ${NATIVE_TEST_SOURCES})
target_link_libraries(core_tests PRIVATE nexadraw_test_support GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60)
