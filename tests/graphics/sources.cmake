target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sprite_test.cpp
)
target_sources(fezzle_gl_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/gl_test_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_gl_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sprite_gl_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texture_set_gl_test.cpp
)
