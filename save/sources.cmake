# The save file's 108 bytes as the state encodes and decodes them.
target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/save_image.cpp
)
