target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/menu_state_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/replay_watch_test.cpp
)
target_sources(fezzle_gl_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/states_gl_test.cpp
)
