target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/replay_file_test.cpp
)
