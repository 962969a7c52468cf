target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/save_image.cpp
)
