#include "online/account/user_file.h"

#include <filesystem>
#include <system_error>

#include "core/files/atomic_file.h"
#include "core/files/codec.h"
#include "online/account/string_cipher.h"

namespace tavik::online {

files::Result<UserFileRecord> parseUserFile(std::string_view bytes) {
    const std::vector<std::string> lines = files::splitLines(bytes);
    if (lines.empty() || lines[0] != kUserFileHeader)
        return files::FileError{"line 1 is not the header \"Qor User File\""};
    UserFileRecord record;
    std::string* fields[] = {&record.Nick, &record.PwC};
    for (std::size_t i = 0; i < 2 && i + 1 < lines.size(); ++i) {
        auto text = files::cp1251ToUtf8(lines[i + 1]);
        if (!text)
            return files::FileError{"line " + std::to_string(i + 2) + " is not Windows-1251 text"};
        *fields[i] = std::move(*text);
    }
    return record;
}

std::string formatUserFile(const UserFileRecord& record) {
    return files::joinCrLf({std::string(kUserFileHeader), files::cp1251Line(record.Nick),
                            files::cp1251Line(record.PwC)});
}

std::vector<std::string> userFileProblems(std::string_view bytes) {
    std::vector<std::string> problems;
    const std::vector<std::string> lines = files::splitLines(bytes);
    if (lines.empty() || lines[0] != kUserFileHeader)
        problems.push_back("line 1 is not the header \"Qor User File\"");
    if (lines.size() != 3)
        problems.push_back("the file has " + std::to_string(lines.size()) + " lines, not 3");
    if (!files::hasCrLfLinesOnly(bytes)) problems.push_back("a line does not end with CR LF");
    for (std::size_t i = 1; i < lines.size() && i < 3; ++i)
        if (!files::cp1251ToUtf8(lines[i]))
            problems.push_back("line " + std::to_string(i + 1) + " is not Windows-1251 text");
    if (lines.size() > 1 && lines[1].empty()) problems.push_back("line 2 (nick) is empty");
    if (lines.size() > 2 && !StringCipher(CipherKey::Account).decipher(lines[2]))
        problems.push_back("line 3 is not an enciphered password");
    return problems;
}

files::Result<UserFileRecord> ReadUserFile(const std::string& path) {
    auto bytes = files::readFile(path);
    if (!bytes) bytes = files::readFile(path);
    if (!bytes) return bytes.error();
    return parseUserFile(*bytes);
}

files::Status WriteUserFile(const std::string& path, const UserFileRecord& record) {
    return files::writeFileAtomic(path, formatUserFile(record));
}

bool DeleteUserFile(const std::string& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    const auto status = std::filesystem::symlink_status(path, error);
    return status.type() == std::filesystem::file_type::not_found;
}

std::string encipherPassword(std::string_view Pw) {
    return StringCipher(CipherKey::Account).encipher(Pw);
}

std::string signInPassword(std::string_view PwC) {
    std::string Pw = StringCipher(CipherKey::Account).decipher(PwC).value_or("");
    for (char& c : Pw)
        if (c == ' ' || c == '#' || c == '$') c = '-';
    return Pw;
}

}  // namespace tavik::online
