# The module: a loadable library whose host symbols are resolved from the host that loads it.
set(VELOMARK_MODULE_SOURCES
  core/digit_strip.cpp
  core/frame_callback.cpp
  core/main_loop.cpp
  core/number_conversion.cpp
  core/plugin_entry.cpp
  core/settings.cpp
  core/startup_failure.cpp
  core/texture_set.cpp
  platform/game_memory_windows.cpp
  platform/profile_format.cpp
  platform/profile_reader.cpp
  standard/radar_relocation.cpp
  standard/standard_components.cpp
  widgets/ammo_counter.cpp
  widgets/crosshair.cpp
  widgets/game_readings.cpp
  widgets/money_counter.cpp
  widgets/radar_bar.cpp
  widgets/wanted_stars.cpp
)

add_library(velomark MODULE ${VELOMARK_MODULE_SOURCES})
target_include_directories(velomark PRIVATE ${PROJECT_SOURCE_DIR})
velomark_warnings(velomark)
# Single-precision steps must stay single precision: no fused multiply-adds.
target_compile_options(velomark PRIVATE -ffp-contract=off)
set_target_properties(velomark PROPERTIES
  CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON
  PREFIX ""
  OUTPUT_NAME velomark)
# The Windows name and linking are in cmake/windows.cmake.
