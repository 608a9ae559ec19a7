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

# A small Windows program of these modules alone: the link check of the
# Windows cross-build, and a way to try them by hand (under Wine too).
if(WIN32)
  add_executable(live_check EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/live_check.cpp)
  target_link_libraries(live_check PRIVATE tarnwicket_live)
endif()
