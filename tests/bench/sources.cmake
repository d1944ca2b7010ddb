# Measuring programs, run by hand (see docs/reliability.md); not part of the test suite.
add_executable(fezzle_world_bench ${CMAKE_CURRENT_LIST_DIR}/world_frame_bench.cpp)
target_include_directories(fezzle_world_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(fezzle_world_bench PRIVATE fezzle_test_support)
target_compile_options(fezzle_world_bench PRIVATE ${FEZZLE_WARNINGS})
