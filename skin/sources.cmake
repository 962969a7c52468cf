# Picture sets that users draw: their names, sizes and background, their problems in words,
# and the template's readme.
target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/background_rule.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_catalogue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_format.cpp
    ${CMAKE_CURRENT_LIST_DIR}/set_names.cpp
    ${CMAKE_CURRENT_LIST_DIR}/set_problem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/template_readme.cpp
)
