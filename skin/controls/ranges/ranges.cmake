# Track bars, progress bars and up-down controls.
rollcall_skin_sources(range_records.h range_skinners.cpp ranges.h)
