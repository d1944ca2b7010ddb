target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bubble_blower_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bubble_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/effect_kinds_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/effect_manager_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/emitter_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entity_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/projectile_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/thrower_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timing_test.cpp
)
target_sources(fezzle_gl_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/effect_draw_gl_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/objects_gl_test.cpp
)
