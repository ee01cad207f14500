# The window toolkit on USER32, the common controls and OLE drag and drop,
# and the program's exe built on it.
add_library(quorvin_win32_toolkit STATIC
  windows.cpp
  keyboard.cpp
  controls.cpp
  covered_label.cpp
  centred_edit.cpp
  control_operations.cpp
  message_box.cpp
  modal_window.cpp
  drop_target.cpp
  drop_registration.cpp
  background_work.cpp
  taskbar_progress.cpp
)
target_include_directories(quorvin_win32_toolkit PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_compile_definitions(quorvin_win32_toolkit PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(quorvin_win32_toolkit PUBLIC
  quorvin_win32_system delay-loaded::ole32 uuid delay-loaded::comctl32 gdi32 user32
  delay-loaded::shell32)

# quorvin_add_program(target [NOTICE=url] [VERSION=url] [HOME=url] [ONLINE=url])
# The GUI exe, linked statically (it needs no DLL beyond Windows' own), with
# its icon, manifest and version resource, written to the build folder. The
# addresses default to the cache settings of cmake/endpoints.cmake. They are
# compiled into a source file's properties, which are kept per folder: give
# each variant its own CMakeLists.txt.
function(quorvin_add_program target)
  set(win32 ${PROJECT_SOURCE_DIR}/src/platform/win32)
  add_executable(${target} WIN32 ${win32}/main.cpp ${win32}/resources/quorvin.rc)
  quorvin_endpoints(${target} ${ARGN})
  target_link_libraries(${target} PRIVATE quorvin_win32_toolkit quorvin_win32_system quorvin_core)
  target_link_options(${target} PRIVATE -static -municode -mwindows -s)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()

quorvin_add_program(quorvin-delete)
# The same program pointed at loopback servers, for the end-to-end tests.
add_subdirectory(loopback)
