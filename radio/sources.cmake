# The sources of tavik_radio, relative to the repository root (used by the library and
# the fuzz target). They need tavik_files' plain sources only.
set(TAVIK_RADIO_SOURCES
  radio/radio_state.cpp
  radio/station_list.cpp
)
