target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/status_texts.cpp
)
if(WIN32)
    target_sources(varnok_shell PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/about_dialog.cpp
        ${CMAKE_CURRENT_LIST_DIR}/bonus_dialog.cpp
        ${CMAKE_CURRENT_LIST_DIR}/items_dialog.cpp
        ${CMAKE_CURRENT_LIST_DIR}/name_field.cpp
        ${CMAKE_CURRENT_LIST_DIR}/status_dialog.cpp
    )
endif()
