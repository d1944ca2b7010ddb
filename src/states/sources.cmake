target_sources(fezzle PRIVATE
  states/action_state.cpp
  states/fps_counter.cpp
  states/menu_screens.cpp
  states/menu_state.cpp
  states/track_flight.cpp
)
