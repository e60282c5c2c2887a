# The parts every card and dialog is built from.
target_sources(module_frame PRIVATE
  card_pattern/loading_flag.cpp card_pattern/loading_flag.h
  card_pattern/card_base.cpp card_pattern/card_base.h
  card_pattern/caption_panel.cpp card_pattern/caption_panel.h
  card_pattern/number_field.cpp card_pattern/number_field.h
  card_pattern/choice_field.cpp card_pattern/choice_field.h
  card_pattern/report_list.cpp card_pattern/report_list.h
  card_pattern/list_cell_delegate.cpp card_pattern/list_cell_delegate.h
  card_pattern/entry_list.cpp card_pattern/entry_list.h
  card_pattern/date_pair.cpp card_pattern/date_pair.h
  card_pattern/entry_dialog.cpp card_pattern/entry_dialog.h
  card_pattern/card_panel.cpp card_pattern/card_panel.h
  card_pattern/card_controls.cpp card_pattern/card_controls.h
)
