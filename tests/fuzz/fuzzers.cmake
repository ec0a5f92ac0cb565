# The libFuzzer targets, one line each: tavik_fuzzer(name main-source library-sources...).
# Sources are relative to the repository root; they must not need anything beyond libc.
set(TAVIK_FILE_READERS
  core/files/codec.cpp core/files/columns.cpp core/files/password.cpp
  core/files/player_list.cpp core/files/history_file.cpp)

tavik_fuzzer(player_list tests/fuzz/fuzz_player_list.cpp ${TAVIK_FILE_READERS})
tavik_fuzzer(history tests/fuzz/fuzz_history.cpp ${TAVIK_FILE_READERS})

# The settings file and the small state files of the parent folder.
set(TAVIK_STATE_FILE_READERS core/files/codec.cpp core/files/columns.cpp core/files/atomic_file.cpp)
tavik_fuzzer(settings tests/fuzz/fuzz_settings.cpp config/settings_table.cpp config/settings_read.cpp config/settings_write.cpp
  ${TAVIK_STATE_FILE_READERS})
tavik_fuzzer(user_file tests/fuzz/fuzz_user_file.cpp online/account/string_cipher.cpp
  online/account/user_file.cpp ${TAVIK_STATE_FILE_READERS})
tavik_fuzzer(chat_files tests/fuzz/fuzz_chat_files.cpp online/chat/chat_files.cpp ${TAVIK_STATE_FILE_READERS})
tavik_fuzzer(radio_files tests/fuzz/fuzz_radio_files.cpp radio/radio_state.cpp radio/station_list.cpp
  ${TAVIK_STATE_FILE_READERS})
