# The viewer program Tarnwicket: the viewer object (start-up, artwork,
# scene, ticker, play driver) as a library, so that the tests drive the very
# same code headless, and the program around it with its own pictures and
# sounds.
add_library(tarnwicket_viewer STATIC
  ${CMAKE_CURRENT_LIST_DIR}/art_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art_libraries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/asset_loading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calendar_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/console_notes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/live_games.cpp
  ${CMAKE_CURRENT_LIST_DIR}/live_reading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notes_shown.cpp
  ${CMAKE_CURRENT_LIST_DIR}/play_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/random.cpp
  ${CMAKE_CURRENT_LIST_DIR}/real_pace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_intro.cpp
  ${CMAKE_CURRENT_LIST_DIR}/surface_set.cpp
  ${CMAKE_CURRENT_LIST_DIR}/take_back.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_encoding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ticker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/viewer_sound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/viewer_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/viewer_startup.cpp
)
target_link_libraries(tarnwicket_viewer PUBLIC tarnwicket_game tarnwicket_live tarnwicket_settings tarnwicket_frame
                      tarnwicket_platform)

# Adds the viewer's own pictures and sounds to a program (the viewer, or a
# test that runs it headless) as its own module.
function(tarnwicket_add_viewer_resources target)
  if(NOT DEFINED TARNWICKET_VIEWER_ART_RC)
    message(FATAL_ERROR "the viewer's resource script (TARNWICKET_VIEWER_ART_RC) is not defined")
  endif()
  tarnwicket_add_resources(${target} ${TARNWICKET_VIEWER_ART_RC}
                           INCLUDE_DIRS ${TARNWICKET_ART_GEN_DIR}
                           DEPENDS tarnwicket_art)
endfunction()

if(DEFINED TARNWICKET_VIEWER_ART_RC)
  add_executable(Tarnwicket ${CMAKE_CURRENT_LIST_DIR}/viewer_main.cpp)
  target_link_libraries(Tarnwicket PRIVATE tarnwicket_viewer)
  tarnwicket_add_winmain(Tarnwicket)
  tarnwicket_add_viewer_resources(Tarnwicket)
  set_target_properties(Tarnwicket PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TARNWICKET_RUN_DIR})
  # The run folder is complete with the program: art libraries and demo games.
  add_dependencies(Tarnwicket tarnwicket_art)
  if(TARGET tarnwicket_demo_games)
    add_dependencies(Tarnwicket tarnwicket_demo_games)
  endif()

  # The viewer's timing tool (tools/bench_viewer); defined here because the
  # tools folder is configured before the viewer library exists. Run it on a
  # release build: build/release/tools/bench_viewer/bench_viewer build/release/run
  if(NOT WIN32)
    add_executable(bench_viewer ${CMAKE_SOURCE_DIR}/tools/bench_viewer/bench_viewer.cpp)
    target_link_libraries(bench_viewer PRIVATE tarnwicket_viewer)
    tarnwicket_add_viewer_resources(bench_viewer)
    add_dependencies(bench_viewer Tarnwicket)
    set_target_properties(bench_viewer PROPERTIES
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools/bench_viewer)
  endif()
endif()
