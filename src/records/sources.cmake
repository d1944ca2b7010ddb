target_sources(fezzle PRIVATE
  records/format_time.cpp
  records/save_data.cpp
)
