#pragma once
// The local user file "QorUser.qor" in the parent folder, shared by the maker's games
// installed side by side so that the program can sign in by itself at start. Three
// lines of Windows-1251 text with CR LF ends: the header "Qor User File", the nick, and
// the password in its enciphered form (StringCipher with the account key).

#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_result.h"

namespace tavik::online {

// In the parent folder: files::DataFolder::inParent(kUserFileName).
inline constexpr std::string_view kUserFileName = "QorUser.qor";
inline constexpr std::string_view kUserFileHeader = "Qor User File";

// The two values the file keeps; text in UTF-8.
struct UserFileRecord {
    std::string Nick;
    std::string PwC;
    bool operator==(const UserFileRecord&) const = default;
};

// The record in file bytes; an error when line 1 is not the header or a line is not
// Windows-1251 text. Missing lines 2 and 3 read as empty; lines after the third are
// ignored.
files::Result<UserFileRecord> parseUserFile(std::string_view bytes);
// The three lines of the file, each followed by CR LF.
std::string formatUserFile(const UserFileRecord& record);
// Everything that keeps the bytes from being exactly a file WriteUserFile writes; empty
// for a good file.
std::vector<std::string> userFileProblems(std::string_view bytes);

// The file at path (the open is tried twice); an error when it is missing, cannot be
// read, or is not a user file (parseUserFile).
files::Result<UserFileRecord> ReadUserFile(const std::string& path);
// Replaces the file atomically; on failure the old file is untouched.
files::Status WriteUserFile(const std::string& path, const UserFileRecord& record);
// Deletes the file if present. True when no file remains.
bool DeleteUserFile(const std::string& path);

// PwC for a password typed in plain text.
std::string encipherPassword(std::string_view Pw);
// The password the automatic sign-in sends for a stored PwC: deciphered, with every
// blank, '#' and '$' turned into '-'. Empty when PwC does not decipher.
std::string signInPassword(std::string_view PwC);

}  // namespace tavik::online
