# The trip sheet card and its entry lists, driven offscreen on a real store.
target_sources(trips_tests PRIVATE
  card/trip_sheet_card_fixture.h
  card/trip_sheet_card_test.cpp
  card/trip_sheet_saving_test.cpp
  card/trip_sheet_lists_test.cpp
)

# A user's day with a new sheet, played by the application's script runner.
add_test(NAME trip_sheet_script
         COMMAND $<TARGET_FILE:kelmira> --demo --user admin --today 2026.12.05
                 --script ${CMAKE_CURRENT_SOURCE_DIR}/card/new_trip_sheet.script)
set_tests_properties(trip_sheet_script PROPERTIES
                     ENVIRONMENT "KELMIRA_LIBRARY_REGISTRY=${CMAKE_CURRENT_BINARY_DIR}/trip_sheet_script.ini")

# The same kind of sheet made with key presses only.
add_test(NAME trip_sheet_keyboard_script
         COMMAND $<TARGET_FILE:kelmira> --demo --user admin --today 2026.12.05
                 --script ${CMAKE_CURRENT_SOURCE_DIR}/card/keyboard_trip_sheet.script)
set_tests_properties(trip_sheet_keyboard_script PROPERTIES
                     ENVIRONMENT "KELMIRA_LIBRARY_REGISTRY=${CMAKE_CURRENT_BINARY_DIR}/trip_sheet_keyboard_script.ini")
