# The skinned top-level window: taking it over, painting its frame, its
# window procedure, caption buttons, moving and sizing; the status bar,
# docked children and replaced caption images.
rollcall_skin_sources(
  caption_buttons.cpp
  adopted_children.cpp adopted_children.h
  adopted_frame.cpp adopted_frame.h adopted_frame_proc.cpp
  caption_images.cpp
  docked_child.h docked_children.cpp
  frame_behaviour.cpp frame_zones.h
  frame_render.cpp frame_ground.cpp frame_ground.h frame_title.cpp render_profile.h
  frame_layers.h frame_layer_ops.h frame_layer_ops.cpp
  frame_space.cpp frame_space.h
  frame_wnd_proc.cpp
  skin_window.cpp
  thread_dialogs.cpp thread_dialogs.h
  glow_text.cpp
  status_bar.h status_bar.cpp status_layout.cpp status_painting.cpp)
