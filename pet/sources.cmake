target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/adoption.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pet_record.cpp
    ${CMAKE_CURRENT_LIST_DIR}/random.cpp
    ${CMAKE_CURRENT_LIST_DIR}/life_clock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/care.cpp
    ${CMAKE_CURRENT_LIST_DIR}/care_sequence.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reports.cpp
    ${CMAKE_CURRENT_LIST_DIR}/grade.cpp
)
