# The sources of tavik_files, relative to the repository root: the one list that the
# library and the fuzz targets (built on their own with clang) both use.
# The plain readers and writers need nothing beyond libc.
set(TAVIK_FILES_PLAIN_SOURCES
  core/files/codec.cpp
  core/files/atomic_file.cpp
  core/files/columns.cpp
  core/files/password.cpp
  core/files/player_list.cpp
  core/files/history_file.cpp
)
set(TAVIK_FILES_SOURCES
  ${TAVIK_FILES_PLAIN_SOURCES}
  core/files/player_list_file.cpp
  core/files/history_folder.cpp
  core/files/history_series.cpp
  core/files/notices.cpp
  core/files/data_folder.cpp
  core/files/end_match.cpp
  core/files/file_match_hooks.cpp
)
