#pragma once
// The current account of one program run and every step the account windows and the
// start-up take with it: the automatic sign-in from the user file, the reads when the
// account window opens, creating an account, signing in and out, the user file's Save
// and Delete, the profile and the photo. Each web request goes through the runner, so
// a window can run it on a worker while it waits; by default it runs at once. No Qt.

#include <array>
#include <functional>
#include <string>

#include "online/protocol/photo_upload.h"
#include "online/protocol/records.h"
#include "online/protocol/service_client.h"

namespace tavik::online {

// AccountState: 1 signed out, 2 signed in, 3 signed in and playing for the rating.
inline constexpr int kSignedOut = 1;
inline constexpr int kSignedIn = 2;
inline constexpr int kPlayingRating = 3;

// Runs one blocking step and returns when it has finished.
using StepRunner = std::function<void(const std::function<void()>&)>;

// A downloaded photo: its JPEG bytes, decoded by the window.
struct MemberPhoto {
    std::string jpeg;
    bool loaded = false;
};

// The outcome of RegisterUser: 0 created, 1 nick taken, 2 failed.
enum class CreateResult { Created = 0, NickTaken = 1, Failed = 2 };

class AccountSession {
  public:
    // userFilePath: QorUser.qor in the parent folder.
    AccountSession(ServiceClient& client, std::string userFilePath);

    void setRunner(StepRunner runner) { runner_ = std::move(runner); }
    ServiceClient& client() { return client_; }
    const std::string& userFilePath() const { return userFilePath_; }

    // --- the account ---------------------------------------------------------------
    TQorUser CurrentUser;
    TQorGame CurrentGame;
    bool GameOk = false;  // the last ReadGame succeeded while signed in
    int AccountState = kSignedOut;
    bool RatingChoiceAllowed = false;
    bool UserFileExists = false;
    TopTenRows RatingTop;
    bool RatingTopOk = false;
    int MemberCount = -1;
    TInfo14 LeaderInfo;
    MemberPhoto OwnPhoto;     // slot 1
    MemberPhoto LeaderPhoto;  // slot 2

    bool signedIn() const { return AccountState > kSignedOut; }
    // The nick of row 1 of the rating top ten, the club's leader; "" when there is none.
    std::string LeaderNick() const;

    // At start: reads the user file and signs in with it.
    void AutoSignIn();
    // The reads of the account window when it opens, and the defaults of a signed-out
    // account.
    void ReadOnOpening();
    // Stores a password typed in plain text, with its enciphered form.
    void setPassword(const std::string& pw);

    // "Create an account" for CurrentUser, registered on `today` ("dd.mm.yyyy").
    CreateResult CreateAccount(const std::string& today);
    // Signs in with CurrentUser's nick and password; false: "Login failed!".
    bool SignIn();
    // Sends nothing: the state returns to 1.
    void SignOut();
    // "Play global rating" ticked or cleared; only while signed in and allowed. Returns
    // the new state.
    int SetPlayingRating(bool ticked);

    // "Save": the user file with CurrentUser's nick and PwC. "Delete": removes it.
    // Each returns false on an input/output error and leaves UserFileExists as it was.
    bool SaveUserFile();
    bool DeleteUserFile();
    // True when the file is there now.
    bool CheckUserFile();

    // "My results" refresh: ReadGame and ReadRatingPlace (signed in only).
    bool RefreshResults();
    // "Top 10" refresh.
    bool RefreshRatingTop();
    // The leader's profile and photo.
    void ReadLeader();

    // "Update info": the profile with every '$' and '~' made a blank, sent and read back.
    bool UpdateInfo(TInfo14 info);
    // "Refresh photo": uploads the JPEG as the own photo and downloads it again.
    UploadResult UploadOwnPhoto(const std::string& jpeg);

  private:
    void run(const std::function<void()>& step);
    void readOwnRecord();
    void loadPhoto(const std::string& nick, MemberPhoto& photo);

    ServiceClient& client_;
    std::string userFilePath_;
    StepRunner runner_;
};

// The fourteen fields of a profile in the order of the windows' labels: Name1, Name2,
// About, Telephone, EMailO, WebSite, Skype, OK, VK, Telegram, FaceBook, Twitter,
// Instagramm, YouTube.
inline constexpr int kProfileFieldCount = 14;
std::array<std::string*, kProfileFieldCount> ProfileFields(TInfo14& info);
std::array<const std::string*, kProfileFieldCount> ProfileFields(const TInfo14& info);

// The profile as it may be sent: '$' and '~' would break the reply format.
TInfo14 CleanProfile(TInfo14 info);

// Button 5 of the main screen while signed in: the nick padded to 20 characters, then
// with scoreFormat 1 KonL and Score, with 2 Kon and the rating rounded to an integer.
std::string AccountLineText(const std::string& nick, const TQorGame& game, int scoreFormat);

}  // namespace tavik::online
