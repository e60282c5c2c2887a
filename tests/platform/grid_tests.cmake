# The host's property grid.
target_sources(platform_tests PRIVATE
  grid/property_grid_test.cpp
)
