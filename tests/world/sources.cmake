target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/layer_geometry_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_stepper_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pair_index_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world_test.cpp
)
target_sources(fezzle_gl_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/layers_gl_test.cpp
)
