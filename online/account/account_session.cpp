#include "online/account/account_session.h"

#include <cmath>
#include <filesystem>

#include "core/files/columns.h"
#include "online/account/user_file.h"
#include "online/protocol/account_requests.h"
#include "online/protocol/downloads.h"

namespace tavik::online {

AccountSession::AccountSession(ServiceClient& client, std::string userFilePath)
    : client_(client), userFilePath_(std::move(userFilePath)) {}

void AccountSession::run(const std::function<void()>& step) {
    if (runner_)
        runner_(step);
    else
        step();
}

std::string AccountSession::LeaderNick() const {
    return RatingTop[1].Nick;
}

void AccountSession::setPassword(const std::string& pw) {
    CurrentUser.Pw = pw;
    CurrentUser.PwC = encipherPassword(pw);
}

void AccountSession::AutoSignIn() {
    AccountState = kSignedOut;
    UserFileExists = false;
    const auto record = ReadUserFile(userFilePath_);
    if (!record) return;
    UserFileExists = true;
    CurrentUser.Nick = record->Nick;
    CurrentUser.PwC = record->PwC;
    CurrentUser.Pw = signInPassword(record->PwC);
    bool ok = false;
    const std::string nick = CurrentUser.Nick, pw = CurrentUser.Pw;
    run([&] { ok = ReadUser(client_, nick, pw, CurrentUser); });
    CurrentUser.PwC = encipherPassword(CurrentUser.Pw);
    if (ok) AccountState = kSignedIn;
}

void AccountSession::loadPhoto(const std::string& nick, MemberPhoto& photo) {
    std::optional<std::string> bytes;
    if (!nick.empty()) run([&] { bytes = LoadPhoto(client_, nick); });
    photo.loaded = bytes.has_value();
    photo.jpeg = bytes ? std::move(*bytes) : std::string();
}

void AccountSession::readOwnRecord() {
    bool ok = false;
    run([&] {
        ok = ReadGame(client_, CurrentUser.Nick, CurrentUser.Pw, CurrentGame);
        int place = -1;
        ReadRatingPlace(client_, CurrentGame.Rating, place);
        CurrentGame.Place = place;
    });
    GameOk = ok;
}

void AccountSession::ReadLeader() {
    LeaderInfo = TInfo14{};
    const std::string leader = LeaderNick();
    if (!leader.empty()) run([&] { ReadInfo(client_, leader, LeaderInfo); });
    loadPhoto(leader, LeaderPhoto);
}

void AccountSession::ReadOnOpening() {
    run([&] { RatingTopOk = ReadRatingTop(client_, RatingTop); });
    if (signedIn()) readOwnRecord();
    run([&] { ReadMemberCount(client_, MemberCount); });
    if (signedIn()) {
        loadPhoto(CurrentUser.Nick, OwnPhoto);
        run([&] { ReadInfo(client_, CurrentUser.Nick, CurrentUser.Info); });
    }
    ReadLeader();
    CheckUserFile();
    if (!signedIn()) {
        CurrentUser.City.clear();
        CurrentUser.EMail.clear();
        CurrentUser.Country2 = "1-001";
        CurrentUser.Country1 = "Russia";
        CurrentUser.Sex = 'M';
        CurrentUser.DateR = "00.00.0000";
    }
}

CreateResult AccountSession::CreateAccount(const std::string& today) {
    CurrentUser.DateR = today;
    CurrentUser.R01 = CurrentUser.R02 = CurrentUser.R03 = "xxx";
    CurrentUser.R04 = CurrentUser.R05 = CurrentUser.R06 = 0;
    int status = 2;
    run([&] { status = RegisterUser(client_, CurrentUser); });
    if (status != 0) {
        AccountState = kSignedOut;
        CurrentUser.DateR = "00.00.0000";
        return status == 1 ? CreateResult::NickTaken : CreateResult::Failed;
    }
    AccountState = kSignedIn;
    run([&] { ReadMemberCount(client_, MemberCount); });
    const std::string nick = CurrentUser.Nick, pw = CurrentUser.Pw;
    run([&] { ReadUser(client_, nick, pw, CurrentUser); });
    CurrentUser.PwC = encipherPassword(CurrentUser.Pw);
    readOwnRecord();
    OwnPhoto = MemberPhoto{};  // a new account has none
    CurrentUser.Info = TInfo14{};
    run([&] { ReadInfo(client_, nick, CurrentUser.Info); });
    return CreateResult::Created;
}

bool AccountSession::SignIn() {
    bool ok = false;
    const std::string nick = CurrentUser.Nick, pw = CurrentUser.Pw;
    TQorUser read = CurrentUser;
    run([&] { ok = ReadUser(client_, nick, pw, read); });
    if (!ok) {
        // The typed values stay in the edits; the record counts as not read.
        AccountState = kSignedOut;
        GameOk = false;
        MemberCount = -1;
        return false;
    }
    AccountState = kSignedIn;
    CurrentUser = read;
    CurrentUser.PwC = encipherPassword(CurrentUser.Pw);
    readOwnRecord();
    run([&] { ReadMemberCount(client_, MemberCount); });
    loadPhoto(nick, OwnPhoto);
    CurrentUser.Info = TInfo14{};
    run([&] { ReadInfo(client_, nick, CurrentUser.Info); });
    ReadLeader();
    return true;
}

void AccountSession::SignOut() {
    AccountState = kSignedOut;
    CurrentUser.R04 = CurrentUser.R05 = CurrentUser.R06 = 0;
    OwnPhoto = MemberPhoto{};
    GameOk = false;
}

int AccountSession::SetPlayingRating(bool ticked) {
    if (ticked && AccountState == kSignedIn && RatingChoiceAllowed)
        AccountState = kPlayingRating;
    else if (!ticked && AccountState == kPlayingRating)
        AccountState = kSignedIn;
    return AccountState;
}

bool AccountSession::CheckUserFile() {
    std::error_code error;
    UserFileExists = std::filesystem::exists(userFilePath_, error);
    return UserFileExists;
}

bool AccountSession::SaveUserFile() {
    const files::Status written =
        WriteUserFile(userFilePath_, UserFileRecord{CurrentUser.Nick, CurrentUser.PwC});
    if (!written.ok()) return false;
    UserFileExists = true;
    return true;
}

bool AccountSession::DeleteUserFile() {
    if (!online::DeleteUserFile(userFilePath_)) return false;
    UserFileExists = false;
    return true;
}

bool AccountSession::RefreshResults() {
    if (!signedIn()) return false;
    readOwnRecord();
    return GameOk;
}

bool AccountSession::RefreshRatingTop() {
    run([&] { RatingTopOk = ReadRatingTop(client_, RatingTop); });
    return RatingTopOk;
}

std::array<std::string*, kProfileFieldCount> ProfileFields(TInfo14& i) {
    return {&i.Name1, &i.Name2, &i.About,    &i.Telephone, &i.EMailO,  &i.WebSite,    &i.Skype,
            &i.OK,    &i.VK,    &i.Telegram, &i.FaceBook,  &i.Twitter, &i.Instagramm, &i.YouTube};
}

std::array<const std::string*, kProfileFieldCount> ProfileFields(const TInfo14& info) {
    const auto fields = ProfileFields(const_cast<TInfo14&>(info));
    std::array<const std::string*, kProfileFieldCount> out{};
    for (std::size_t n = 0; n < out.size(); ++n) out[n] = fields[n];
    return out;
}

TInfo14 CleanProfile(TInfo14 info) {
    for (std::string* field : ProfileFields(info))
        for (char& c : *field)
            if (c == '$' || c == '~') c = ' ';
    return info;
}

bool AccountSession::UpdateInfo(TInfo14 info) {
    info = CleanProfile(std::move(info));
    bool ok = false;
    const std::string nick = CurrentUser.Nick;
    run([&] { ok = SaveInfo(client_, nick, info); });
    if (!ok) return false;
    CurrentUser.Info = info;
    run([&] { ReadInfo(client_, nick, CurrentUser.Info); });
    return true;
}

UploadResult AccountSession::UploadOwnPhoto(const std::string& jpeg) {
    UploadResult result;
    const std::string nick = CurrentUser.Nick;
    run([&] { result = UploadPhoto(client_.addresses.photoStore(), nick, jpeg); });
    if (result.ok) loadPhoto(nick, OwnPhoto);
    return result;
}

std::string AccountLineText(const std::string& nick, const TQorGame& game, int scoreFormat) {
    std::string line = files::padRight(nick, 20);
    if (scoreFormat == 2)
        return line + "  " + files::alignRight(std::to_string(game.Kon), 7) + "  " +
               files::alignRight(std::to_string(std::lround(game.Rating)), 6);
    return line + "    " + files::alignRight(std::to_string(game.KonL), 3) + "    " +
           files::alignRight(std::to_string(game.Score), 6);
}

}  // namespace tavik::online
