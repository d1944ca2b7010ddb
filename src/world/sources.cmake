# Sources of the world subsystem.
target_sources(fezzle PRIVATE
  world/layer_geometry.cpp
  world/level.cpp
  world/level_stepper.cpp
  world/pair_index.cpp
  world/world.cpp
)
