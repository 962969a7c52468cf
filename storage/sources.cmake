target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/save_image.cpp
)
if(WIN32)
    target_sources(varnok_shell PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/autostart.cpp
        ${CMAKE_CURRENT_LIST_DIR}/settings_dialog.cpp
        ${CMAKE_CURRENT_LIST_DIR}/file_retry.cpp
        ${CMAKE_CURRENT_LIST_DIR}/save_file.cpp
    )
endif()
