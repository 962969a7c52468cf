# The Win32 shell, and the program itself: its entry point and resources, linked
# statically so that only Windows' own DLLs are needed.
target_sources(varnok_shell PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/autostart.cpp
    ${CMAKE_CURRENT_LIST_DIR}/chosen_preferences.cpp
    ${CMAKE_CURRENT_LIST_DIR}/desktop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/evaluate_grade.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_retry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fullscreen_watch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ghost_mode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hotkey.cpp
    ${CMAKE_CURRENT_LIST_DIR}/language_choice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/language_resources.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/monitors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/perch_watch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_codec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/preferences_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rabbit_menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rabbit_size.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rabbit_visibility.cpp
    ${CMAKE_CURRENT_LIST_DIR}/save_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/single_instance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin_choice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin_folder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin_menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin_template.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sprite_bank.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tray_icon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tray_menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wide_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_events.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_ledges.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/about_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/balloon_tip.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/bonus_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/hotkey_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/items_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/modal_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/name_field.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/settings_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/status_dialog.cpp
)

add_executable(varnok WIN32 ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
add_varnok_resources(varnok)
link_varnok_layers(varnok)
if(MINGW)
    # Sections aligned to whole pages in the file let the loader map the program's
    # pictures where they lie instead of reading them into private memory.
    target_link_options(varnok PRIVATE -static -municode -Wl,--file-alignment,4096)
endif()
set_target_properties(varnok PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
