// The account steps against a real tavik-services on a free loopback port.
#include "online/account/account_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "online/account/string_cipher.h"
#include "online/account/tests/live_services.h"
#include "online/account/user_file.h"

namespace tavik::online {

// Readable failures for the profile comparisons.
void PrintTo(const TInfo14& i, std::ostream* os) {
    *os << '{' << i.Name1 << '|' << i.Name2 << '|' << i.About << '|' << i.Telephone << '|'
        << i.EMailO << '|' << i.WebSite << '|' << i.Skype << '|' << i.OK << '|' << i.VK << '|'
        << i.Telegram << '|' << i.FaceBook << '|' << i.Twitter << '|' << i.Instagramm << '|'
        << i.YouTube << '}';
}

namespace {

// A real JPEG is not needed by the store: it keeps the bytes as they come.
const std::string kPhoto =
    std::string("\xff\xd8\xff\xe0\x00\x10JFIF\x00", 11) + std::string(3000, '\x55') + "\xff\xd9";

class AccountSessionTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { services_ = new testing::LiveServices(true); }
    static void TearDownTestSuite() {
        delete services_;
        services_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(services_->ok()) << services_->error();
        userFile_ = services_->folder() + "/" + std::string(kUserFileName);
        std::filesystem::remove(userFile_);
    }

    static ServiceClient makeClient() {
        ServiceAddresses at = ServiceAddresses::BuiltIn(services_->base());
        PhotoStore store = at.photoStore();
        store.FolderEnciphered = EncipherAccountAddress(services_->ftpFolder());
        at.setPhotoStore(store);
        return ServiceClient(std::move(at));
    }

    // A signed-out session whose edits hold a new account's values.
    static void fill(AccountSession& s, const std::string& nick, const std::string& pw) {
        s.CurrentUser.Nick = nick;
        s.setPassword(pw);
        s.CurrentUser.City = "Москва";
        s.CurrentUser.EMail = nick + "@mail.example";
        s.CurrentUser.Country2 = "5-023";
        s.CurrentUser.Country1 = "Wallis-Futuna";
        s.CurrentUser.Sex = 'W';
    }

    static testing::LiveServices* services_;
    std::string userFile_;
};
testing::LiveServices* AccountSessionTest::services_ = nullptr;

TEST_F(AccountSessionTest, CreatesAnAccountAndRefusesTheSameNickTwice) {
    ServiceClient client = makeClient();
    AccountSession s(client, userFile_);
    s.ReadOnOpening();
    fill(s, "Anna", "secret1");
    ASSERT_EQ(s.CreateAccount("11.12.2026"), CreateResult::Created);
    EXPECT_EQ(s.AccountState, kSignedIn);
    EXPECT_GE(s.MemberCount, 1);
    // The record came back from the service.
    EXPECT_EQ(s.CurrentUser.City, "Москва");
    EXPECT_EQ(s.CurrentUser.Country2, "5-023");
    EXPECT_EQ(s.CurrentUser.Sex, 'W');
    EXPECT_EQ(s.CurrentUser.DateR, "11.12.2026");
    EXPECT_EQ(StringCipher(CipherKey::Account).decipher(s.CurrentUser.PwC), "secret1");
    EXPECT_TRUE(s.GameOk);
    EXPECT_FALSE(s.OwnPhoto.loaded);

    AccountSession other(client, userFile_);
    fill(other, "Anna", "another1");
    EXPECT_EQ(other.CreateAccount("11.12.2026"), CreateResult::NickTaken);
    EXPECT_EQ(other.AccountState, kSignedOut);
    EXPECT_EQ(other.CurrentUser.DateR, "00.00.0000");
}

TEST_F(AccountSessionTest, SignsInWithTheRightPasswordOnly) {
    ServiceClient client = makeClient();
    {
        AccountSession s(client, userFile_);
        fill(s, "Boris", "right12");
        ASSERT_EQ(s.CreateAccount("01.02.2026"), CreateResult::Created);
    }
    AccountSession s(client, userFile_);
    s.ReadOnOpening();
    s.CurrentUser.Nick = "Boris";
    s.setPassword("wrong12");
    EXPECT_FALSE(s.SignIn());
    EXPECT_EQ(s.AccountState, kSignedOut);
    EXPECT_FALSE(s.GameOk);
    EXPECT_EQ(s.MemberCount, -1);
    EXPECT_FALSE(s.RefreshResults());

    s.setPassword("right12");
    ASSERT_TRUE(s.SignIn());
    EXPECT_EQ(s.AccountState, kSignedIn);
    EXPECT_EQ(s.CurrentUser.DateR, "01.02.2026");
    EXPECT_EQ(s.CurrentUser.City, "Москва");
    EXPECT_TRUE(s.GameOk);
    EXPECT_GE(s.MemberCount, 1);
    EXPECT_TRUE(s.RefreshResults());
}

TEST_F(AccountSessionTest, SignOutSendsNothingAndTheRatingNeedsThePermission) {
    ServiceClient client = makeClient();
    AccountSession s(client, userFile_);
    fill(s, "Clara", "pass1234");
    ASSERT_EQ(s.CreateAccount("01.02.2026"), CreateResult::Created);
    EXPECT_EQ(s.SetPlayingRating(true), kSignedIn);  // not allowed: stays 2
    s.RatingChoiceAllowed = true;
    EXPECT_EQ(s.SetPlayingRating(true), kPlayingRating);
    EXPECT_EQ(s.SetPlayingRating(false), kSignedIn);
    EXPECT_EQ(s.SetPlayingRating(true), kPlayingRating);

    int requests = 0;
    s.setRunner([&](const std::function<void()>& step) {
        ++requests;
        step();
    });
    s.CurrentUser.R04 = 7;
    s.OwnPhoto.loaded = true;
    s.SignOut();
    EXPECT_EQ(requests, 0);
    EXPECT_EQ(s.AccountState, kSignedOut);
    EXPECT_EQ(s.CurrentUser.R04, 0);
    EXPECT_FALSE(s.OwnPhoto.loaded);
    EXPECT_EQ(s.SetPlayingRating(true), kSignedOut);
}

TEST_F(AccountSessionTest, TheSavedUserFileSignsInAtTheNextStart) {
    ServiceClient client = makeClient();
    {
        AccountSession s(client, userFile_);
        fill(s, "Dmitri", "start12");
        ASSERT_EQ(s.CreateAccount("03.04.2026"), CreateResult::Created);
        EXPECT_FALSE(s.CheckUserFile());
        ASSERT_TRUE(s.SaveUserFile());
        EXPECT_TRUE(s.UserFileExists);
    }
    const auto record = ReadUserFile(userFile_);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Nick, "Dmitri");
    EXPECT_EQ(signInPassword(record->PwC), "start12");

    AccountSession next(client, userFile_);
    next.AutoSignIn();
    EXPECT_TRUE(next.UserFileExists);
    EXPECT_EQ(next.AccountState, kSignedIn);
    EXPECT_EQ(next.CurrentUser.Nick, "Dmitri");
    EXPECT_EQ(next.CurrentUser.City, "Москва");
    EXPECT_EQ(next.CurrentUser.PwC, encipherPassword("start12"));

    ASSERT_TRUE(next.DeleteUserFile());
    EXPECT_FALSE(next.UserFileExists);
    EXPECT_FALSE(std::filesystem::exists(userFile_));
    AccountSession third(client, userFile_);
    third.AutoSignIn();
    EXPECT_FALSE(third.UserFileExists);
    EXPECT_EQ(third.AccountState, kSignedOut);
}

TEST_F(AccountSessionTest, AStaleUserFileLeavesTheAccountSignedOut) {
    ServiceClient client = makeClient();
    ASSERT_TRUE(WriteUserFile(userFile_, {"Nobody", encipherPassword("gone1234")}).ok());
    AccountSession s(client, userFile_);
    s.AutoSignIn();
    EXPECT_TRUE(s.UserFileExists);
    EXPECT_EQ(s.AccountState, kSignedOut);
    EXPECT_EQ(s.CurrentUser.Nick, "Nobody");
    EXPECT_EQ(s.CurrentUser.PwC, encipherPassword("gone1234"));
}

TEST_F(AccountSessionTest, NoServerMeansSignedOutAndNoConnect) {
    // A port that nothing listens on: the service went away.
    ServiceClient client(ServiceAddresses::BuiltIn("http://127.0.0.1:9/"));
    ASSERT_TRUE(WriteUserFile(userFile_, {"Anna", encipherPassword("secret1")}).ok());
    AccountSession s(client, userFile_);
    s.AutoSignIn();
    EXPECT_EQ(s.AccountState, kSignedOut);
    s.ReadOnOpening();
    EXPECT_FALSE(s.RatingTopOk);
    EXPECT_EQ(s.MemberCount, -1);
    EXPECT_FALSE(s.LeaderPhoto.loaded);
    fill(s, "Erik", "pass1234");
    EXPECT_EQ(s.CreateAccount("01.01.2026"), CreateResult::Failed);
    EXPECT_EQ(s.AccountState, kSignedOut);
}

TEST_F(AccountSessionTest, TheProfileAndThePhotoMakeTheRoundTrip) {
    ServiceClient client = makeClient();
    AccountSession s(client, userFile_);
    fill(s, "Fiona", "photo123");
    ASSERT_EQ(s.CreateAccount("05.06.2026"), CreateResult::Created);

    TInfo14 info;
    info.Name1 = "Fiona";
    info.Name2 = "Smith-Иванова";
    info.About = "likes $ and ~ signs";
    info.WebSite = "https://fiona.example/";
    info.YouTube = "@fiona";
    ASSERT_TRUE(s.UpdateInfo(info));
    TInfo14 expected = info;
    expected.About = "likes   and   signs";
    EXPECT_EQ(s.CurrentUser.Info, expected);

    AccountSession reader(client, userFile_);
    reader.CurrentUser.Nick = "Fiona";
    reader.setPassword("photo123");
    ASSERT_TRUE(reader.SignIn());
    EXPECT_EQ(reader.CurrentUser.Info, expected);
    EXPECT_FALSE(reader.OwnPhoto.loaded);

    const UploadResult sent = s.UploadOwnPhoto(kPhoto);
    ASSERT_TRUE(sent.ok) << sent.error;
    EXPECT_TRUE(s.OwnPhoto.loaded);
    EXPECT_EQ(s.OwnPhoto.jpeg, kPhoto);
    ASSERT_TRUE(reader.SignIn());
    EXPECT_EQ(reader.OwnPhoto.jpeg, kPhoto);
}

TEST(AccountLineText, WritesScoresOrRatings) {
    TQorGame game;
    game.KonL = 7;
    game.Score = -12;
    game.Kon = 345;
    game.Rating = 1234.5;
    EXPECT_EQ(AccountLineText("Anna", game, 1), "Anna                      7       -12");
    EXPECT_EQ(AccountLineText("Anna", game, 2), "Anna                      345    1235");
    EXPECT_EQ(AccountLineText("ABCDEFGHIJKLMNOPQRSTUVW", game, 1).substr(0, 21),
              "ABCDEFGHIJKLMNOPQRST ");
}

TEST(CleanProfile, BlanksTheSignsOfTheReplyFormatInEveryField) {
    TInfo14 info{"a$", "b~", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "$~$"};
    const TInfo14 clean = CleanProfile(info);
    EXPECT_EQ(clean.Name1, "a ");
    EXPECT_EQ(clean.Name2, "b ");
    EXPECT_EQ(clean.YouTube, "   ");
    EXPECT_EQ(clean.About, "c");
}

}  // namespace
}  // namespace tavik::online
