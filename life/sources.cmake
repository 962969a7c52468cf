# What happens to the rabbit: adoption, the life clock, care, free activity, and the
# table of timers that runs it all.
target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/adoption.cpp
    ${CMAKE_CURRENT_LIST_DIR}/care.cpp
    ${CMAKE_CURRENT_LIST_DIR}/care_sequence.cpp
    ${CMAKE_CURRENT_LIST_DIR}/free_activity.cpp
    ${CMAKE_CURRENT_LIST_DIR}/life_clock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reports.cpp
    ${CMAKE_CURRENT_LIST_DIR}/timer_dispatch.cpp
)
