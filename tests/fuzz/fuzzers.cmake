# The libFuzzer targets, one line each: tavik_fuzzer(name main-source library-sources...).
# Sources are relative to the repository root (TAVIK_ROOT). The library sources come from
# the same lists the libraries are built from; none of them needs anything beyond libc.
include(${TAVIK_ROOT}/core/files/sources.cmake)
include(${TAVIK_ROOT}/config/sources.cmake)
include(${TAVIK_ROOT}/online/sources.cmake)
include(${TAVIK_ROOT}/radio/sources.cmake)

tavik_fuzzer(player_list tests/fuzz/fuzz_player_list.cpp ${TAVIK_FILES_PLAIN_SOURCES})
tavik_fuzzer(history tests/fuzz/fuzz_history.cpp ${TAVIK_FILES_PLAIN_SOURCES})

# The settings file and the small state files of the parent folder.
tavik_fuzzer(settings tests/fuzz/fuzz_settings.cpp ${TAVIK_CONFIG_SOURCES} ${TAVIK_FILES_PLAIN_SOURCES})
tavik_fuzzer(user_file tests/fuzz/fuzz_user_file.cpp ${TAVIK_ONLINE_FILES_SOURCES}
  ${TAVIK_FILES_PLAIN_SOURCES})
tavik_fuzzer(chat_files tests/fuzz/fuzz_chat_files.cpp ${TAVIK_ONLINE_FILES_SOURCES}
  ${TAVIK_FILES_PLAIN_SOURCES})
tavik_fuzzer(radio_files tests/fuzz/fuzz_radio_files.cpp ${TAVIK_RADIO_SOURCES} ${TAVIK_FILES_PLAIN_SOURCES})

# The web service's readers of posted bodies and its field rules.
tavik_fuzzer(service_fields tests/fuzz/fuzz_service_fields.cpp server/http/form_fields.cpp
  server/http/utf8.cpp server/account/account_rules.cpp online/account/account_fields.cpp
  ${TAVIK_FILES_PLAIN_SOURCES})
