target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frame_timer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_random_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_engine_test.cpp
)
target_sources(fezzle_gl_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/engine_gl_test.cpp
)
