# The game library, shared by the viewer and TarnwicketCheck. No window, no
# display.
add_library(tarnwicket_game STATIC
  ${CMAKE_CURRENT_LIST_DIR}/game_headers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_library.cpp
  ${CMAKE_CURRENT_LIST_DIR}/read_movetext.cpp
)
target_link_libraries(tarnwicket_game PUBLIC tarnwicket_chess)
