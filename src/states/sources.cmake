target_sources(fezzle PRIVATE
  states/action_state.cpp
  states/menu_state.cpp
)
