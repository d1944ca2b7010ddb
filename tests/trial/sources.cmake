target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ghost_path_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/medal_table_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/play_options_test.cpp
)
