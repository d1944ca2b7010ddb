target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sprite_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tables_test.cpp
)
target_sources(fezzle_gl_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/gl_test_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_gl_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sprite_gl_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texture_set_gl_test.cpp
)
# Reading what a window shows goes through X11 itself.
find_package(X11 REQUIRED)
target_link_libraries(fezzle_gl_tests PRIVATE X11::X11)
