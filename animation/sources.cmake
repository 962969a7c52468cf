# The pictures' poses and outlines, and the sequences that animate and move the rabbit.
target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/idle_animations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/perching.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_outlines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pose_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/region_scan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/walking.cpp
)
