target_sources(fezzle_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/replay_file_test.cpp
)

# The stored tracks are read with the level checker's own reader.
if(TARGET level_runner)
  add_executable(replay_track_tests ${CMAKE_CURRENT_LIST_DIR}/replay_round_trip_test.cpp)
  target_link_libraries(replay_track_tests PRIVATE level_runner fezzle_test_support GTest::gtest_main)
  target_compile_options(replay_track_tests PRIVATE ${FEZZLE_WARNINGS})
  target_compile_definitions(replay_track_tests PRIVATE FEZZLE_DATA_DIR="${FEZZLE_TEST_DATA_DIR}"
    FEZZLE_TRACKS_DIR="${PROJECT_SOURCE_DIR}/levels/tracks")
  gtest_discover_tests(replay_track_tests PROPERTIES LABELS "unit;replays" DISCOVERY_TIMEOUT 60)
  cmake_language(DEFER CALL add_dependencies fezzle_all_tests replay_track_tests)
endif()
