# The languages the rabbit speaks: which one, and every text it shows in each of them.
target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ascii_case.cpp
    ${CMAKE_CURRENT_LIST_DIR}/language.cpp
    ${CMAKE_CURRENT_LIST_DIR}/texts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/texts_en.cpp
    ${CMAKE_CURRENT_LIST_DIR}/texts_zh_hans.cpp
    ${CMAKE_CURRENT_LIST_DIR}/texts_zh_hant.cpp
)
