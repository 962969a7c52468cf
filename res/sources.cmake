# The program's resources, compiled from one script into the program and the test programs.
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
    file(GLOB_RECURSE VARNOK_RESOURCE_INPUTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*)
    list(APPEND VARNOK_RESOURCE_INPUTS ${PROJECT_BINARY_DIR}/generated/res/version.h)
    # add_varnok_resources(TARGET): compiles the resource script into a program of the
    # calling directory.
    function(add_varnok_resources target)
        target_sources(${target} PRIVATE ${VARNOK_RESOURCE_SCRIPT})
        set_source_files_properties(${VARNOK_RESOURCE_SCRIPT} PROPERTIES
                                    OBJECT_DEPENDS "${VARNOK_RESOURCE_INPUTS}")
    endfunction()
endif()
