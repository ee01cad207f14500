# The system operations on kernel32, WinINet and the shell.
add_library(quorvin_win32_system STATIC
  text_wide.cpp
  volume_root.cpp
  literal_path.cpp
  file_target.cpp
  file_entries.cpp
  file_operations.cpp
  write_file.cpp
  nt_file_calls.cpp
  folder_listing.cpp
  aside_work.cpp
  folder_walk.cpp
  entry_in_parent.cpp
  delete_folder.cpp
  internet.cpp
  encoding.cpp
  clock_and_process.cpp
  delay_loaded.cpp
)
target_include_directories(quorvin_win32_system PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_compile_definitions(quorvin_win32_system PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(quorvin_win32_system PUBLIC quorvin_core
  delay-loaded::wininet delay-loaded::shell32 kernel32 ntdll)
