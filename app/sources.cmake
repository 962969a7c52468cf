target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/app_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/display_scale.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fullscreen_rule.cpp
    ${CMAKE_CURRENT_LIST_DIR}/free_activity.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_timers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/timer_dispatch.cpp
)
if(WIN32)
    target_sources(varnok_shell PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/wide_text.cpp
        ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
        ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
        ${CMAKE_CURRENT_LIST_DIR}/fullscreen_watch.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win_desktop.cpp
    )
endif()
