# The engine object and its module state, the registry of skinned windows,
# window records and lists, the family table, properties and subclassing.
rollcall_skin_sources(
  child_families.cpp child_families.h
  child_registration.h
  engine_session.cpp engine_session.h
  module_state.cpp module_state.h
  one_based_list.h
  properties.cpp properties.h
  registry.cpp registry.h
  skin_engine.cpp skin_engine.h
  skinned_window.h
  theme.cpp)
