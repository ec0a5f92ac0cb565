#include "core/files/player_list_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/files/atomic_file.h"
#include "core/files/columns.h"

namespace tavik::files {
namespace {

std::string folderOfFile(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

// The Linux form of a read-only file: no write permission for its owner, or none
// for this user; a replacement also needs a writable folder.
bool userMayReplace(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & S_IWUSR) != 0 && ::access(path.c_str(), W_OK) == 0 &&
           ::access(folderOfFile(path).c_str(), W_OK) == 0;
}

}  // namespace

ListValidation ValidateListFile(const std::string& path) {
    ListValidation v;
    const auto bytes = readFile(path);
    if (!bytes) {
        v.problem = ListValidation::Problem::Missing;
        v.reason = "the file cannot be read";
        return v;
    }
    if (const Result<PlayerList> list = PlayerList::parse(*bytes); !list) {
        v.problem = ListValidation::Problem::Incorrect;
        v.reason = list.error().message;
        return v;
    }
    v.writable = userMayReplace(path);
    return v;
}

PlayerListFiles::PlayerListFiles(std::string programFolder, NoticePort& notices)
    : folder_(std::move(programFolder)), notices_(notices) {}

std::string PlayerListFiles::path(ListKind kind) const {
    return folder_ + "/" + std::string(kind == ListKind::Lan ? kLanListName : kLocalListName);
}

bool PlayerListFiles::ValidateAtStartup() {
    for (ListKind kind : {ListKind::Local, ListKind::Lan}) {
        const std::string p = path(kind);
        const ListValidation v = ValidateListFile(p);
        if (v.problem == ListValidation::Problem::Missing) {
            notices_.notice(FileNotice::CantFindFile, p);
            return false;
        }
        if (v.problem == ListValidation::Problem::Incorrect) {
            notices_.notice(FileNotice::IncorrectFile, p);
            return false;
        }
        if (!v.writable) {
            writesAllowed_ = false;
            notices_.notice(FileNotice::IncorrectAttributes, p);
        }
    }
    return true;
}

Result<PlayerList> PlayerListFiles::load(ListKind kind) const {
    const auto bytes = readFile(path(kind));
    if (!bytes) return bytes.error();
    return PlayerList::parse(*bytes);
}

std::optional<PlayerRecord> PlayerListFiles::ReadSlot(ListKind kind, int slot) const {
    const auto list = load(kind);
    if (!list) return std::nullopt;
    return list->slot(slot);
}

bool PlayerListFiles::save(ListKind kind, const PlayerList& list) {
    if (!writesAllowed_) return false;
    if (!writeFileAtomic(path(kind), list.bytes()).ok()) {
        notices_.notice(FileNotice::DiskWriteError, path(kind));
        return false;
    }
    return true;
}

// A list that went missing or was damaged during the run is left as it is for the
// next start-up check, rather than rebuilt from a guess.
Result<PlayerList> PlayerListFiles::loadForChange(ListKind kind) {
    auto list = load(kind);
    if (!list && writesAllowed_) notices_.notice(FileNotice::DiskWriteError, path(kind));
    return list;
}

void PlayerListFiles::RemovePlayer(ListKind kind, int slot) {
    if (slot < 1 || slot > 5) return;
    auto list = loadForChange(kind);
    if (!list) return;
    list->removePlayer(slot);
    save(kind, *list);
}

PlayerList::Inserted PlayerListFiles::InsertPlayer(ListKind kind, std::string_view recordLine,
                                                   bool cycleComplete) {
    auto list = loadForChange(kind);
    if (!list) return {};
    // The place in the top ten counts even when the list cannot be saved.
    PlayerList::Inserted where = list->insertPlayer(recordLine, cycleComplete);
    if (!save(kind, *list)) where.slot = 0;
    return where;
}

PlayerList::Inserted PlayerListFiles::StoreStanding(ListKind kind, int oldSlot,
                                                    std::string_view recordLine,
                                                    bool cycleComplete) {
    auto list = loadForChange(kind);
    if (!list) return {};
    list->removePlayer(oldSlot);
    PlayerList::Inserted where = list->insertPlayer(recordLine, cycleComplete);
    if (!save(kind, *list)) where.slot = 0;
    return where;
}

int PlayerListFiles::RenamePlayer(ListKind kind, int slot, std::string_view name1251,
                                  std::string_view passwordField) {
    if (slot < 1 || slot > 5) return slot;
    auto list = loadForChange(kind);
    if (!list || list->slotEmpty(slot)) return slot;
    std::string record = list->line(slot);
    record.replace(0, 20, padRight(name1251, 20));
    record.replace(44, 15, padRight(passwordField, 15));
    list->removePlayer(slot);
    const PlayerList::Inserted where = list->insertPlayer(record, false);
    return save(kind, *list) ? where.slot : slot;
}

}  // namespace tavik::files
