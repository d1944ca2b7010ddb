target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/entity_test.cpp
)
