# Track bars, progress bars and up-down controls.
rollcall_skin_sources(
  progress_bars.cpp progress_looks.cpp progress_looks.h
  range_family.cpp range_family.h range_records.h ranges.h
  track_bar_looks.cpp track_bar_looks.h track_bars.cpp
  up_down_looks.cpp up_down_looks.h up_downs.cpp)
