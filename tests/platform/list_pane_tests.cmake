# The main window's list pane: opening rows, the host's list commands, the view period.
target_sources(platform_tests PRIVATE
  list_pane_test.cpp
)
