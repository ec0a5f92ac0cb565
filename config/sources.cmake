# The sources of tavik_config, relative to the repository root (used by the library and
# the settings fuzz target). They need tavik_files' plain sources only.
set(TAVIK_CONFIG_SOURCES
  config/settings_table.cpp
  config/settings_read.cpp
  config/settings_write.cpp
  config/computer_file.cpp
)
