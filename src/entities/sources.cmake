# Sources of the entities subsystem.
target_sources(fezzle PRIVATE
  entities/blown_bubble.cpp
  entities/bubble.cpp
  entities/bubble_blower.cpp
  entities/bubble_effect.cpp
  entities/bubble_vent.cpp
  entities/bumper.cpp
  entities/dropped_item.cpp
  entities/dropper.cpp
  entities/dust_effect.cpp
  entities/effect.cpp
  entities/effect_manager.cpp
  entities/ember_effect.cpp
  entities/emitter.cpp
  entities/entity.cpp
  entities/fading_bumper.cpp
  entities/object_sprite.cpp
  entities/projectile.cpp
  entities/puff_effect.cpp
  entities/rising_bubble.cpp
  entities/rising_picture_effect.cpp
  entities/shard_effect.cpp
  entities/thrower.cpp
  entities/thrown_item.cpp
  entities/timing.cpp
  entities/vector3.cpp
)
