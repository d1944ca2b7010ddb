# Sources of the engine subsystem (main.cpp belongs to the executable alone).
target_sources(fezzle PRIVATE
  engine/frame_loop.cpp
  engine/frame_timer.cpp
  engine/game_engine.cpp
  engine/game_random.cpp
  engine/input_path.cpp
  engine/resource_stats.cpp
  engine/tick_source.cpp
)
