target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/status_texts.cpp
)
