# The trip sheet card and its entry lists.
target_sources(kelmira_module PRIVATE
)
