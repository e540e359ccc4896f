# The schedule clock: the week label, the period search, the reminder window and one tick's
# decision, and the step that carries a tick out on the grid.
add_library(schedule_clock STATIC
  ${CMAKE_CURRENT_LIST_DIR}/time_of_day.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schedule_clock_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schedule_clock_period.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schedule_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schedule_clock_apply.cpp)
target_include_directories(schedule_clock PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(schedule_clock PUBLIC calendar timetable platform_ui orvel_options)
