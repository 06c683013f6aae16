# The source layers, lowest first. Each becomes one static library that links the one below it,
# and each sees only its own folder and the folders below it: an include from a later layer does
# not build. A layer's view of src/ is a folder of links in the build tree (on a Windows host,
# where links need privileges, every layer sees src/ and scripts/check_layers.py alone keeps them).
set(NEXADRAW_LAYERS core platform render library export windows app)

# nexadraw_add_layer(<layer> <sources>...): the library nexadraw_<layer>.
function(nexadraw_add_layer layer)
    list(FIND NEXADRAW_LAYERS ${layer} index)
    set(view ${CMAKE_BINARY_DIR}/layers/${layer})
    if(CMAKE_HOST_WIN32)
        set(view ${CMAKE_SOURCE_DIR}/src)
    else()
        file(MAKE_DIRECTORY ${view})
        set(visible)
        foreach(lower RANGE ${index})
            list(GET NEXADRAW_LAYERS ${lower} folder)
            list(APPEND visible ${folder})
        endforeach()
        if(NOT layer STREQUAL "core")
            list(APPEND visible resources)  # control and resource ids, from any Windows layer
        endif()
        foreach(folder ${visible})
            if(NOT EXISTS ${view}/${folder})
                file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${view}/${folder} SYMBOLIC)
            endif()
        endforeach()
    endif()
    add_library(nexadraw_${layer} STATIC ${ARGN})
    target_include_directories(nexadraw_${layer} PUBLIC ${view})
    if(index GREATER 0)
        math(EXPR below "${index} - 1")
        list(GET NEXADRAW_LAYERS ${below} lower)
        target_link_libraries(nexadraw_${layer} PUBLIC nexadraw_${lower})
    endif()
endfunction()

# The .cpp files of a layer's folder.
function(nexadraw_layer_sources layer out)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${layer}/*.cpp)
    set(${out} ${sources} PARENT_SCOPE)
endfunction()

# Test support, used by more than one test program and by the benchmark: the portable part (built
# natively too) and the part that needs the program's windows.
set(NEXADRAW_PORTABLE_TEST_SUPPORT
    ${CMAKE_SOURCE_DIR}/tests/support/bmp_files.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/diagram_support.cpp)
set(NEXADRAW_WINDOWS_TEST_SUPPORT ${CMAKE_SOURCE_DIR}/tests/support/paint_support.cpp)
