#pragma once
// The kinds of persistent file `tavik-cli files` knows, in one table: the name each is
// recognised by, what it is called, and how to check it and show its records.

#include <optional>
#include <span>
#include <string>

#include "app/cli/json.h"

namespace tavik::cli {

struct FileCheck {
    bool valid = false;
    std::string why;   // what is wrong, when not valid
    std::string note;  // anything else worth saying about a valid file
};

// The checks the game makes when it reads the file.
using CheckFile = FileCheck (*)(const std::string& path);
// The records as one line of JSON, text in UTF-8; nullopt (with `error`) when the
// file cannot be read as this kind.
using ShowFile = std::optional<std::string> (*)(const std::string& path, std::string& error);

struct FileKind {
    const char* nameEnd;  // the file's name ends with it: an extension (".clb") or a whole name
    const char* kind;     // "player list"
    CheckFile check;
    ShowFile show;
};

// Every kind, in the order a file's name is tried against them.
std::span<const FileKind> fileKinds();
// The kind of the file by its name; nullptr for none.
const FileKind* fileKindOf(const std::string& path);
// The name ends of every kind, for a message: ".clb, .net, ...".
std::string knownFileKinds();
// The viewer's rows of a history file as a JSON array.
Json historyRowsJson(const std::string& bytes);

}  // namespace tavik::cli
