# DLLs the program calls only at some moments, imported delay-loaded so that each loads at
# its first call: comctl32 for the hotkey dialog's control and the name field's balloon,
# shell32 for the icon in the notification area and the about box's link, ole32 for the
# Windows Imaging Component that reads picture sets and writes the template, dwmapi for the
# frames of the windows the rabbit walks on.

# delay_load(DLL): delay-loads DLL.dll, whose calls cmake/DLL-delay.def names.
function(delay_load dll)
    if(MSVC)
        target_link_libraries(varnok_shell PUBLIC ${dll} delayimp)
        target_link_options(varnok_shell INTERFACE /DELAYLOAD:${dll}.dll)
        return()
    endif()
    if(NOT MINGW)
        target_link_libraries(varnok_shell PUBLIC ${dll})
        return()
    endif()
    set(delayDef ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${dll}-delay.def)
    set(delayLib ${CMAKE_BINARY_DIR}/lib${dll}_delay.a)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        # lld writes the delay-load table itself, from an import library in LLVM's form
        # (it cannot delay the GNU form of mingw-w64's own import libraries).
        find_program(VARNOK_DLLTOOL NAMES llvm-dlltool REQUIRED)
        set(makeDelayLib ${VARNOK_DLLTOOL} -m i386:x86-64 -d ${delayDef} -l ${delayLib})
        target_link_options(varnok_shell INTERFACE -Wl,--delayload=${dll}.dll)
    else()
        # GNU ld has no delay loading of its own: dlltool makes the loading stubs.
        find_program(VARNOK_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool dlltool
                     REQUIRED)
        set(makeDelayLib ${VARNOK_DLLTOOL} --input-def ${delayDef} --output-delaylib ${delayLib})
    endif()
    add_custom_command(OUTPUT ${delayLib} COMMAND ${makeDelayLib} DEPENDS ${delayDef})
    add_custom_target(${dll}_delay DEPENDS ${delayLib})
    add_dependencies(varnok_shell ${dll}_delay)
    target_link_libraries(varnok_shell PUBLIC ${delayLib})
endfunction()

delay_load(comctl32)
delay_load(shell32)
delay_load(ole32)
delay_load(dwmapi)
# The Imaging Component's class and interface ids: data linked into the program (MinGW keeps
# them in uuid, the Windows SDK in windowscodecs), no DLL import.
target_link_libraries(varnok_shell PUBLIC uuid windowscodecs)
