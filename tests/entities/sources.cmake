target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/effect_kinds_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/effect_manager_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entity_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hat_contact_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hat_flight_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/start_point_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timing_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toilet_test.cpp
)
target_sources(fezzle_gl_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/effect_draw_gl_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hat_draw_gl_test.cpp
)
