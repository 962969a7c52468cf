# The ledges the rabbit stands on while it walks on windows.
target_sources(varnok_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ledges.cpp
)
