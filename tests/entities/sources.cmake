target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/effect_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hat_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/objects_test.cpp
)
target_sources(fezzle_gl_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/draw_gl_test.cpp
)
