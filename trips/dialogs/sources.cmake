# The trip sheet's entry dialogs.
target_sources(trips PRIVATE
  dialogs/entry_dialogs.cpp dialogs/entry_dialogs.h
  dialogs/route_line_dialog.cpp dialogs/route_line_dialog.h
  dialogs/fuel_cheque_dialog.cpp dialogs/fuel_cheque_dialog.h
  dialogs/trip_fuel_tank_dialog.cpp dialogs/trip_fuel_tank_dialog.h
  dialogs/route_grid_dialog.cpp dialogs/route_grid_dialog.h
)
