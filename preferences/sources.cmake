# What the user chose to keep the rabbit out of the way, and the rules of its sizes.
target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/hotkey.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ini_lines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/preferences.cpp
    ${CMAKE_CURRENT_LIST_DIR}/size_rule.cpp
)
