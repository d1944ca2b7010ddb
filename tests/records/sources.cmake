target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/save_data_test.cpp
)
