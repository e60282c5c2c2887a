# The vehicle card and its tabs.
target_sources(vehicles PRIVATE
  card/vehicle_card.cpp card/vehicle_card.h
  card/vehicle_card_layout.cpp
  card/vehicle_card_tabs.cpp
)
