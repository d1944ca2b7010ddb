target_sources(fezzle PRIVATE
  graphics/font.cpp
  graphics/sprite.cpp
  graphics/tables.cpp
  graphics/texture_set.cpp
  graphics/video.cpp
)
