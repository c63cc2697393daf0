# Push buttons, check boxes and radio buttons.
rollcall_skin_sources(button_record.h button_skinners.cpp buttons.h)
