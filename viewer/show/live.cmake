# Following a game file as it changes: watching a file, and fetching a
# broadcast address into a copy. No window, no display, so TarnwicketCheck
# uses it too.
add_library(tarnwicket_live STATIC
  ${CMAKE_CURRENT_LIST_DIR}/broadcast_address.cpp
  ${CMAKE_CURRENT_LIST_DIR}/broadcast_fetch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fetch_schedule.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fetch_validators.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_watch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/http_fetch.cpp
)
target_link_libraries(tarnwicket_live PUBLIC tarnwicket_platform_system)
