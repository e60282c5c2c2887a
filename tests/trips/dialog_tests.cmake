# The entry dialogs, driven directly on a seeded store.
target_sources(trips_tests PRIVATE
  dialogs/entry_fleet.h
  dialogs/route_line_dialog_test.cpp
  dialogs/fuel_cheque_dialog_test.cpp
  dialogs/trip_fuel_tank_dialog_test.cpp
  dialogs/route_grid_dialog_test.cpp
)
