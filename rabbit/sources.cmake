# The rabbit's data: its record, stock, points and settings, its grade, the random
# sequence, and the texts of its needs.
target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/grade.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pet_record.cpp
    ${CMAKE_CURRENT_LIST_DIR}/random.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/status_texts.cpp
)
