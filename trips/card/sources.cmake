# The trip sheet card and its entry lists.
target_sources(trips PRIVATE
  card/trip_number_field.cpp card/trip_number_field.h
  card/trip_sheet_controls.h
  card/trip_sheet_layout.cpp
  card/trip_sheet_card.cpp card/trip_sheet_card.h
  card/trip_sheet_choices.cpp
  card/trip_sheet_speedometer.cpp
  card/trip_sheet_save.cpp
  card/trip_sheet_lists.cpp
  card/trip_sheet_commands.cpp
  card/fuel_panel.cpp card/fuel_panel.h
)
