# The trip sheet's entry dialogs.
target_sources(kelmira_module PRIVATE
  dialogs/entry_dialogs.cpp dialogs/entry_dialogs.h
)
