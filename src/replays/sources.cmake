target_sources(fezzle PRIVATE
  replays/byte_stream.cpp
  replays/playback_clock.cpp
  replays/recording_clock.cpp
  replays/replay.cpp
  replays/replay_file.cpp
  replays/replay_playback.cpp
  replays/replay_recorder.cpp
)
