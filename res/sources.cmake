# The program itself: its entry point and resources, linked statically so that only
# Windows' own DLLs are needed.
if(WIN32)
    enable_language(RC)
    # The compiler looks for the pictures named in the script, and for its fragments, in
    # res/; windres also needs to be told that the script is UTF-8.
    if(MINGW)
        set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I ${CMAKE_CURRENT_LIST_DIR}")
    else()
        set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} /I ${CMAKE_CURRENT_LIST_DIR}")
    endif()
    # windres names the scripts it includes among the resources' dependencies but not the
    # pictures they name, so every file in res/ is made a dependency: a redrawn picture
    # then reaches each program that holds the resources.
    file(GLOB_RECURSE varnokResourceFiles CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*)
    function(varnok_add_resources target)
        set(script ${PROJECT_SOURCE_DIR}/res/varnok.rc)
        target_sources(${target} PRIVATE ${script})
        set_source_files_properties(${script} TARGET_DIRECTORY ${target}
                                    PROPERTIES OBJECT_DEPENDS "${varnokResourceFiles}")
    endfunction()
    add_executable(varnok WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
    varnok_add_resources(varnok)
    target_link_libraries(varnok PRIVATE varnok_shell varnok_core)
    if(MINGW)
        target_link_options(varnok PRIVATE -static -municode)
    else()
        set_property(TARGET varnok PROPERTY MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
    endif()
    set_target_properties(varnok PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
