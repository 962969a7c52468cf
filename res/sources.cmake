# The program itself: its entry point and resources, linked statically so that only
# Windows' own DLLs are needed.
if(WIN32)
    enable_language(RC)
    # The version resource and the tests take the project's version from this header.
    configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in
                   ${PROJECT_BINARY_DIR}/generated/res/version.h @ONLY)
    target_include_directories(varnok_shell PUBLIC ${PROJECT_BINARY_DIR}/generated)
    # The compiler looks for the pictures named in the script, and for its fragments, in
    # res/; windres also needs to be told that the script is UTF-8.
    if(MINGW)
        set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I ${CMAKE_CURRENT_LIST_DIR}")
    else()
        set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} /I ${CMAKE_CURRENT_LIST_DIR}")
        # The script brings the program's manifest: the linker must not make another.
        target_link_options(varnok_shell INTERFACE /MANIFEST:NO)
    endif()
    set(VARNOK_RESOURCE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/varnok.rc)
    # The resource compiler reports none of the files the script reads (fragments,
    # pictures, manifest, version), so a change to one must be named to rebuild it.
    file(GLOB_RECURSE VARNOK_RESOURCE_INPUTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*
         ${PROJECT_SOURCE_DIR}/dialogs/*.rc ${PROJECT_SOURCE_DIR}/storage/*.rc)
    list(APPEND VARNOK_RESOURCE_INPUTS ${PROJECT_BINARY_DIR}/generated/res/version.h)
    # add_varnok_resources(TARGET): compiles the resource script into a program of the
    # calling directory.
    function(add_varnok_resources target)
        target_sources(${target} PRIVATE ${VARNOK_RESOURCE_SCRIPT})
        set_source_files_properties(${VARNOK_RESOURCE_SCRIPT} PROPERTIES
                                    OBJECT_DEPENDS "${VARNOK_RESOURCE_INPUTS}")
    endfunction()
    add_executable(varnok WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
    add_varnok_resources(varnok)
    target_link_libraries(varnok PRIVATE varnok_shell varnok_core)
    if(MINGW)
        # Sections aligned to whole pages in the file let the loader map the program's
        # pictures where they lie instead of reading them into private memory.
        target_link_options(varnok PRIVATE -static -municode -Wl,--file-alignment,4096)
    endif()
    set_target_properties(varnok PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
