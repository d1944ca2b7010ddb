# Sources of the entities subsystem.
target_sources(fezzle PRIVATE
  entities/entity.cpp
  entities/vector3.cpp
)
