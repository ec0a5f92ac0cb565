#include "app/cli/play_files.h"

#include <cstdio>

#include "core/files/codec.h"
#include "core/files/columns.h"
#include "core/files/data_folder.h"
#include "core/files/password.h"

namespace tavik::cli {
namespace {

constexpr std::size_t kNameLength = 20;

// The typed text in Windows-1251, or nullopt when the code page lacks a character
// or it holds a control character.
std::optional<std::string> typedText(const std::string& utf8) {
    auto text = files::utf8ToCp1251(utf8);
    if (!text) return std::nullopt;
    for (char c : *text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::nullopt;
    return std::move(*text);
}

}  // namespace

void StderrNotices::notice(files::FileNotice notice, const std::string& path) {
    std::fprintf(stderr, "%s\n", files::englishNotice(notice, path).c_str());
}

void PlayFiles::ContinuingHooks::EndMatch(GameState& g, int scoreDelta, int kons) {
    FileMatchHooks::EndMatch(g, scoreDelta, kons);
    ++matches;
    if (lastEnd().slot > 0) g.UserSlot = lastEnd().slot;
}

PlayFiles::PlayFiles(const files::DataFolder& folder, World& world)
    : lists_(folder.program, notices_), hooks_(lists_, folder.history(), notices_, &world) {}

bool PlayFiles::wanted(const Arguments& a) {
    return a.has("data-dir") || a.has("player");
}

std::unique_ptr<PlayFiles> PlayFiles::open(const Arguments& a, GameState& g, World& world,
                                           std::string& error, int& status) {
    status = 2;
    const int slot = static_cast<int>(a.number("player", 6, 1, 6, error));
    if (!error.empty()) return nullptr;
    if (!a.has("player")) {
        error = "--data-dir needs --player SLOT (1..5 a stored player, 6 a new one)";
        return nullptr;
    }
    const auto password = typedText(a.get("password"));
    if (!password || password->size() > files::kPasswordLength) {
        error = "--password takes at most 5 characters of the Windows-1251 code page";
        return nullptr;
    }
    std::string name;
    if (slot == 6) {
        const auto typed = typedText(files::trimBlanks(a.get("name")));
        if (!a.has("name") || !typed || typed->empty() || typed->size() > kNameLength) {
            error =
                "--player 6 needs --name NAME: 1 to 20 characters of the Windows-1251 code page";
            return nullptr;
        }
        name = files::trimBlanks(a.get("name"));
    } else if (a.has("name")) {
        error =
            "--name is for a new player (--player 6); a stored player keeps the name in the list";
        return nullptr;
    }

    const files::DataFolder folder = files::ResolveDataFolder(
        a.has("data-dir") ? std::optional(a.get("data-dir")) : std::nullopt);
    if (const files::Status prepared = files::PrepareDataFolder(folder); !prepared.ok()) {
        error = prepared.error().message;
        status = 1;
        return nullptr;
    }
    std::unique_ptr<PlayFiles> files(new PlayFiles(folder, world));
    if (!files->lists_.ValidateAtStartup()) {
        error = "the player lists must be valid to play";
        status = 1;
        return nullptr;
    }

    const files::ListKind kind = g.NetGame ? files::ListKind::Lan : files::ListKind::Local;
    if (slot <= 5) {
        const auto stored = files->lists_.ReadSlot(kind, slot);
        if (!stored) {
            error =
                "slot " + std::to_string(slot) + " of " + files->lists_.path(kind) + " is empty";
            return nullptr;
        }
        if (!files::PasswordMatches(*password, stored->passwordField)) {
            error = "The incorrect password!";
            return nullptr;
        }
    } else {
        g.UserName = name;
    }
    g.UserSlot = slot;
    files->hooks_.setPasswordField(*files::ScramblePassword(*password));
    status = 0;
    return files;
}

}  // namespace tavik::cli
