target_sources(fezzle PRIVATE
  records/crash_safe_write.cpp
  records/format_time.cpp
  records/save_data.cpp
)
