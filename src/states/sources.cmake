target_sources(fezzle PRIVATE
  states/menu_state.cpp
)
