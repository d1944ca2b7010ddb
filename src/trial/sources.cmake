target_sources(fezzle PRIVATE
  trial/finish_report.cpp
  trial/ghost_drawing.cpp
  trial/ghost_path.cpp
  trial/medal_mark.cpp
  trial/medal_table.cpp
  trial/play_options.cpp
  trial/run_comparison.cpp
)
