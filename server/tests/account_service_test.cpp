// The account service from posted bodies to reply bytes, on a SQLite storage in a
// temporary folder. Bodies are written as the client puts them on the wire: FormBody
// as raw Windows-1251, FieldList percent-encoded with empty fields between.

#include "server/account/account_service.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/files/codec.h"
#include "server/account/password_hash.h"

namespace tavik::server {
namespace {

std::string cp1251(const std::string& utf8) {
    return files::utf8ToCp1251(utf8).value();
}
std::string utf8(const std::string& bytes) {
    return files::cp1251ToUtf8(bytes).value();
}

std::string registerBody(const std::string& nick, const std::string& pw,
                         const std::string& city = "Tver", const std::string& email = "a@b.ru") {
    return cp1251("nick=" + nick + "&pw=" + pw + "&city=" + city +
                  "&country1=Russia&country2=1-001&sex=W&email=" + email +
                  "&dater=11.12.2026&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0");
}

std::string saveGameBody(const std::string& nick, const std::string& pw, int kon,
                         const std::string& rating) {
    return "nick=" + nick + "&pw=" + pw + "&crdtv2kon=" + std::to_string(kon) +
           "&crdtv2best=30&crdtv2rating=" + rating +
           "&crdtv2ses=2&crdtv2konl=4&crdtv2score=-7&crdtv2R1=0&crdtv2R2=#";
}

class AccountServiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tavik_account_" + std::to_string(getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        storage_ = OpenStorage((folder_ / "db.sqlite").string());
        service_ = std::make_unique<AccountService>(*storage_);
    }
    void TearDown() override {
        service_.reset();
        storage_.reset();
        std::filesystem::remove_all(folder_);
    }
    std::string post(const std::string& body, int status = 200) {
        const Reply reply = service_->handle(body);
        EXPECT_EQ(reply.status, status) << body << " -> " << reply.body;
        return reply.body;
    }

    std::filesystem::path folder_;
    std::unique_ptr<Storage> storage_;
    std::unique_ptr<AccountService> service_;
};

TEST_F(AccountServiceTest, RegisterSignInAndTheTakenNick) {
    EXPECT_EQ(post(registerBody("ann", "secret1", "Тверь")), "ok\r\n");
    EXPECT_EQ(post(registerBody("Ann", "other12")), "is\r\n");
    EXPECT_EQ(post("label1=0"), "$1\r\n");

    // The record goes back in Windows-1251 with the city as registered.
    EXPECT_EQ(utf8(post("nick=ann&&pw=secret1&&label0=0")),
              "$Тверь Russia 1-001 W a@b.ru 11.12.2026 xxx xxx xxx 0 0 0$\r\n");
    EXPECT_EQ(post("nick=ann&&pw=secret2&&label0=0"), "no\r\n");
    EXPECT_EQ(post("nick=nobody&&pw=secret1&&label0=0"), "no\r\n");
    // The nick is the one spelling its photo and tables show.
    EXPECT_EQ(post("nick=ANN&&pw=secret1&&label0=0"), "no\r\n");

    // The password is kept only as a salted hash.
    const auto stored = storage_->findAccount("ann");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->passwordHash.find("secret1"), std::string::npos);
    EXPECT_EQ(stored->passwordHash.rfind("pbkdf2-sha256$", 0), 0u);
    EXPECT_TRUE(VerifyPassword("secret1", stored->passwordHash));

    // Empty R01..R03 keep their places in the record as empty tokens.
    EXPECT_EQ(post(cp1251("nick=bob&pw=secret1&city=Tver&country1=Russia&country2=1-001&sex=M"
                          "&email=b@b.ru&dater=11.12.2026&R01=&R02=&R03=&R04=0&R05=0&R06=0")),
              "ok\r\n");
    EXPECT_EQ(post("nick=bob&&pw=secret1&&label0=0"),
              "$Tver Russia 1-001 M b@b.ru 11.12.2026    0 0 0$\r\n");
    EXPECT_FALSE(VerifyPassword("secret2", stored->passwordHash));
    EXPECT_NE(HashPassword("secret1", 1000), HashPassword("secret1", 1000));  // salted
}

TEST_F(AccountServiceTest, AccountsThatBreakTheRulesAreRefused) {
    const std::vector<std::pair<const char*, std::string>> bad = {
        {"Cyrillic nick", registerBody("Аня", "secret1")},
        {"one-letter nick", registerBody("a", "secret1")},
        {"long nick", registerBody("abcdefghijklm", "secret1")},
        {"short password", registerBody("ann", "abc")},
        {"blank in password", registerBody("ann", "abc def")},
        {"city with a blank", registerBody("ann", "secret1", "New York")},
        {"e-mail ending in @", registerBody("ann", "secret1", "Tver", "ann@")},
        {"e-mail without @", registerBody("ann", "secret1", "Tver", "ann.ru")},
        {"bad sex", cp1251("nick=ann&pw=secret1&city=Tver&country1=Russia&country2=1-001&sex=X"
                           "&email=a@b.ru&dater=1&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0")},
        {"bad country code", cp1251("nick=ann&pw=secret1&city=Tver&country1=Russia&country2=7-1"
                                    "&sex=M&email=a@b.ru&dater=1&R01=x&R02=x&R03=x&R04=0&R05=0"
                                    "&R06=0")},
        {"fields out of order", cp1251("pw=secret1&nick=ann&city=Tver&country1=Russia"
                                       "&country2=1-001&sex=M&email=a@b.ru&dater=1&R01=x&R02=x"
                                       "&R03=x&R04=0&R05=0&R06=0")},
        {"unknown request", "hello=1"},
    };
    for (const auto& [what, body] : bad) {
        const Reply reply = service_->handle(body);
        EXPECT_EQ(reply.status, 400) << what;
        EXPECT_EQ(reply.body.find("ok"), std::string::npos) << what;
    }
    EXPECT_EQ(post("label1=0"), "$0\r\n");
}

TEST_F(AccountServiceTest, ProfileKeepsAmpersandsAndCyrillicAndDropsRecordBreakers) {
    ASSERT_EQ(post(registerBody("ann", "secret1")), "ok\r\n");
    const std::string body = cp1251(
        "nick=ann&labelinfosave=0&namei=Анна&name2=Петрова&about=Tom & Jerry = $1~2"
        "&telephone=+7&emailo=a@b.ru&website=http://x.ru/?a=1&b=2&skype=s&ok=o&vk=v"
        "&telegram=t&facebook=f&twitter=tw&instagramm=i&youtube=y");
    EXPECT_EQ(post(body), "ok\r\n");
    EXPECT_EQ(utf8(post("nick=ann&&labelinforead=0")),
              "$Анна~Петрова~Tom & Jerry =  1 2~+7~a@b.ru~http://x.ru/?a=1&b=2~s~o~v~t~f~tw~i~y$"
              "\r\n");
    // Unknown nick: nothing saved, nothing read.
    EXPECT_EQ(post(cp1251("nick=bob&labelinfosave=0&namei=&name2=&about=&telephone=&emailo="
                          "&website=&skype=&ok=&vk=&telegram=&facebook=&twitter=&instagramm="
                          "&youtube=")),
              "no\r\n");
    EXPECT_EQ(post("nick=bob&&labelinforead=0"), "no\r\n");
}

TEST_F(AccountServiceTest, GameRecordNeedsThePasswordAndRanks) {
    ASSERT_EQ(post(registerBody("ann", "secret1")), "ok\r\n");
    ASSERT_EQ(post(registerBody("bob", "secret2")), "ok\r\n");
    ASSERT_EQ(post(registerBody("cat", "secret3")), "ok\r\n");
    // Never saved: zeros.
    EXPECT_EQ(post("nick=ann&&pw=secret1&&crdtv2best=0"), "$0 0 0 0 0 0 0 #$\r\n");
    EXPECT_EQ(post(saveGameBody("ann", "wrong11", 5, "12.5")), "no\r\n");
    EXPECT_EQ(post(saveGameBody("ann", "secret1", 5, "12.5")), "ok\r\n");
    EXPECT_EQ(post(saveGameBody("bob", "secret2", 9, "-3,25")), "ok\r\n");  // comma read too
    EXPECT_EQ(post("nick=ann&&pw=secret1&&crdtv2best=0"), "$5 30 12.5 2 4 -7 0 #$\r\n");
    EXPECT_EQ(post("nick=ann&&pw=wrong11&&crdtv2best=0"), "no\r\n");

    EXPECT_EQ(post("crdtv2kon=0"),
              "$1 ann Tver Russia 1-001 W 12.5*$2 bob Tver Russia 1-001 W -3.25*\r\n");
    const std::vector<std::pair<std::string, std::string>> places = {
        {"100", "$1\r\n"}, {"12.5", "$1\r\n"}, {"0", "$2\r\n"}, {"-50", "$3\r\n"}};
    for (const auto& [rating, place] : places) {
        EXPECT_EQ(post("crdtv2rating=" + rating), place) << rating;
    }
    EXPECT_EQ(service_->handle("crdtv2rating=abc").status, 400);
    EXPECT_EQ(service_->handle(saveGameBody("ann", "secret1", 5, "1e400")).status, 400);
}

TEST_F(AccountServiceTest, EmptyTopTenIsAnEmptyLine) {
    EXPECT_EQ(post("crdtv2kon=0"), "\r\n");
}

}  // namespace
}  // namespace tavik::server
