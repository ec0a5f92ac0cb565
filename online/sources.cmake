# The sources of tavik_online_files, relative to the repository root (used by the
# library and the fuzz targets). They need tavik_files' plain sources only.
set(TAVIK_ONLINE_FILES_SOURCES
  online/account/string_cipher.cpp
  online/account/user_file.cpp
  online/chat/chat_files.cpp
)
