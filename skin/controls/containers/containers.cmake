# Containers: registration with their children, the container procedure,
# full and normal paints, the group-box and border looks.
rollcall_skin_sources(
  container_looks.cpp container_looks.h
  container_painters.cpp
  container_record.h
  container_wnd_proc.cpp
  containers.h
  own_painting_containers.cpp
  skin_children.cpp)
