target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/app_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/display_scale.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fullscreen_rule.cpp
    ${CMAKE_CURRENT_LIST_DIR}/free_activity.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_timers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/timer_dispatch.cpp
)
