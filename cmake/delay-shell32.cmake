# shell32 and the DLLs it pulls in cost the program about a megabyte of memory from the
# first moment, yet it is called only when the about box's link is clicked: import it
# delay-loaded, so that it is loaded then.
if(MSVC)
    target_link_libraries(varnok_shell PUBLIC shell32 delayimp)
    target_link_options(varnok_shell INTERFACE /DELAYLOAD:shell32.dll)
elseif(MINGW)
    set(delayDef ${CMAKE_CURRENT_LIST_DIR}/shell32-delay.def)
    set(delayLib ${CMAKE_BINARY_DIR}/libshell32_delay.a)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        # lld writes the delay-load table itself, from an import library in LLVM's form
        # (it cannot delay the GNU form of mingw-w64's own libshell32.a).
        find_program(VARNOK_DLLTOOL NAMES llvm-dlltool REQUIRED)
        set(makeDelayLib ${VARNOK_DLLTOOL} -m i386:x86-64 -d ${delayDef} -l ${delayLib})
        target_link_options(varnok_shell INTERFACE -Wl,--delayload=shell32.dll)
    else()
        # GNU ld has no delay loading of its own: dlltool makes the loading stubs.
        find_program(VARNOK_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool dlltool
                     REQUIRED)
        set(makeDelayLib ${VARNOK_DLLTOOL} --input-def ${delayDef} --output-delaylib ${delayLib})
    endif()
    add_custom_command(OUTPUT ${delayLib} COMMAND ${makeDelayLib} DEPENDS ${delayDef})
    add_custom_target(shell32_delay DEPENDS ${delayLib})
    add_dependencies(varnok_shell shell32_delay)
    target_link_libraries(varnok_shell PUBLIC ${delayLib})
else()
    target_link_libraries(varnok_shell PUBLIC shell32)
endif()
