target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/pad_input_test.cpp
)
