# The seam to the desktop and the rabbit window's running state.
target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/display_scale.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fullscreen_rule.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_timers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/monitor_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/running_state.cpp
)
