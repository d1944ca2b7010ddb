target_sources(fezzle PRIVATE
  audio/sound_system.cpp
)
