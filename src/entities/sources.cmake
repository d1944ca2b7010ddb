# Sources of the entities subsystem.
target_sources(fezzle PRIVATE
  entities/bubble_effect.cpp
  entities/dust_effect.cpp
  entities/effect.cpp
  entities/effect_manager.cpp
  entities/ember_effect.cpp
  entities/entity.cpp
  entities/hat.cpp
  entities/puff_effect.cpp
  entities/rising_picture_effect.cpp
  entities/shard_effect.cpp
  entities/start_point.cpp
  entities/timing.cpp
  entities/toilet.cpp
  entities/vector3.cpp
)
