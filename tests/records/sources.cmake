target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/crash_safe_write_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/save_data_test.cpp
)

# Saving while being killed: a harness that saves in a loop, and the script that kills it.
add_executable(save_loop ${CMAKE_CURRENT_LIST_DIR}/save_loop.cpp)
target_link_libraries(save_loop PRIVATE fezzle)
target_compile_options(save_loop PRIVATE ${FEZZLE_WARNINGS})
set(FEZZLE_KILL_TRIALS 100 CACHE STRING "How many times the save kill test kills the saving process")
add_test(NAME records.save_kill COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/save_kill.sh $<TARGET_FILE:save_loop>
  ${FEZZLE_KILL_TRIALS})
add_test(NAME records.replay_kill COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/save_kill.sh $<TARGET_FILE:save_loop>
  ${FEZZLE_KILL_TRIALS} replay)
set_tests_properties(records.save_kill records.replay_kill PROPERTIES LABELS kill TIMEOUT 600)
