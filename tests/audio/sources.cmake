target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sound_system_test.cpp
)
