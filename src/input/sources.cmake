# Sources of the input subsystem: the pads, turned into the keys the one input path knows.
target_sources(fezzle PRIVATE
  input/pad_devices.cpp
  input/pad_input.cpp
)
