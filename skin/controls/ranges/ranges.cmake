# Track bars, progress bars and up-down controls.
rollcall_skin_sources(
  progress_bars.cpp progress_looks.cpp progress_looks.h
  range_records.h range_skinners.cpp ranges.h)
