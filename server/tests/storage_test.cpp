// The storage interface, run against each backend: SQLite in a temporary file always,
// PostgreSQL when TAVIK_TEST_PG names a server (pg_cluster.py provides a throwaway one).

#include "server/storage/storage.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <pqxx/pqxx>
#include <thread>

namespace tavik::server {
namespace {

Account account(const std::string& nick, const std::string& city = "Tver") {
    return Account{nick,
                   "pbkdf2-sha256$1$00$00",
                   city,
                   "Russia",
                   "1-001",
                   "M",
                   nick + "@x.ru",
                   "01.02.2026",
                   "xxx",
                   "xxx",
                   "xxx",
                   1,
                   2,
                   3};
}

GameRecord game(int kon, double rating) {
    GameRecord g;
    g.kon = kon;
    g.rating = rating;
    g.best = 7;
    g.sessions = 2;
    g.konL = 4;
    g.score = -12;
    g.r1 = 1;
    g.r2 = "ab";
    return g;
}

class StorageTest : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const std::string name =
            "tavik_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++);
        if (GetParam() == "sqlite") {
            folder_ = std::filesystem::temp_directory_path() / name;
            std::filesystem::create_directories(folder_);
            storage_ = OpenStorage((folder_ / "services.sqlite").string());
            return;
        }
        const char* pg = std::getenv("TAVIK_TEST_PG");
        if (!pg) GTEST_SKIP() << "TAVIK_TEST_PG not set";
        pqxx::connection admin(pg);
        pqxx::nontransaction(admin).exec("CREATE DATABASE " + name);
        std::string uri = pg;
        storage_ = OpenStorage(uri.substr(0, uri.rfind('/') + 1) + name);
    }
    void TearDown() override {
        storage_.reset();
        if (!folder_.empty()) std::filesystem::remove_all(folder_);
    }

    std::filesystem::path folder_;
    std::unique_ptr<Storage> storage_;
};

TEST_P(StorageTest, NicksAreUniqueWhateverTheLetterCaseAndFoundAsSpelled) {
    EXPECT_EQ(storage_->memberCount(), 0);
    EXPECT_TRUE(storage_->createAccount(account("Ann", "Тверь")));
    EXPECT_FALSE(storage_->createAccount(account("ann", "Moscow")));
    EXPECT_FALSE(storage_->createAccount(account("ANN", "Moscow")));
    EXPECT_TRUE(storage_->createAccount(account("Bob")));
    EXPECT_EQ(storage_->memberCount(), 2);

    EXPECT_FALSE(storage_->findAccount("ann"));  // one player, one spelling
    const auto found = storage_->findAccount("Ann");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->nick, "Ann");
    EXPECT_EQ(found->city, "Тверь");  // the first registration stays, untouched
    EXPECT_EQ(found->email, "Ann@x.ru");
    EXPECT_EQ(found->dateR, "01.02.2026");
    EXPECT_EQ(found->passwordHash, "pbkdf2-sha256$1$00$00");
    EXPECT_EQ(std::tie(found->r04, found->r05, found->r06), std::make_tuple(1, 2, 3));
    EXPECT_FALSE(storage_->findAccount("Carl"));
}

TEST_P(StorageTest, ProfileRoundTripAndMissingAccount) {
    EXPECT_FALSE(storage_->readProfile("ann"));
    EXPECT_FALSE(storage_->saveProfile("ann", Profile{}));
    ASSERT_TRUE(storage_->createAccount(account("ann")));
    const auto empty = storage_->readProfile("ann");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->name1, "");
    EXPECT_EQ(empty->youTube, "");

    Profile p{"Анна",   "Петрова", "О себе: люблю дурака",
              "+7 900", "a@b.ru",  "site.ru",
              "sk",     "ok1",     "vk1",
              "@tg",    "fb",      "tw",
              "ig",     "yt"};
    EXPECT_FALSE(storage_->saveProfile("ANN", p));
    EXPECT_TRUE(storage_->saveProfile("ann", p));
    const auto back = storage_->readProfile("ann");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->name1, "Анна");
    EXPECT_EQ(back->about, "О себе: люблю дурака");
    EXPECT_EQ(back->webSite, "site.ru");
    EXPECT_EQ(back->youTube, "yt");
}

TEST_P(StorageTest, GameRecordIsReplacedAndReadBack) {
    EXPECT_FALSE(storage_->saveGame("ann", 10, game(1, 1.5)));
    ASSERT_TRUE(storage_->createAccount(account("ann")));
    EXPECT_FALSE(storage_->readGame("ann", 10));
    EXPECT_TRUE(storage_->saveGame("ann", 10, game(1, 1.5)));
    EXPECT_TRUE(storage_->saveGame("ann", 10, game(9, -30.125)));
    EXPECT_FALSE(storage_->saveGame("Ann", 10, game(2, 2)));
    EXPECT_FALSE(storage_->readGame("Ann", 10));
    const auto g = storage_->readGame("ann", 10);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->kon, 9);
    EXPECT_DOUBLE_EQ(g->rating, -30.125);
    EXPECT_EQ(std::tie(g->best, g->sessions, g->konL, g->score, g->r1),
              std::make_tuple(7, 2, 4, -12, 1));
    EXPECT_EQ(g->r2, "ab");
    EXPECT_FALSE(storage_->readGame("ann", 11));  // another game's record is separate
}

TEST_P(StorageTest, RatingTopOrdersByRatingThenKonsThenRegistration) {
    // nick, rating, kons; "nogame" holds no record and is not ranked.
    const std::vector<std::tuple<std::string, double, int>> players = {
        {"low", -5, 3}, {"tieA", 20, 5}, {"tieB", 20, 9}, {"top", 31.5, 1}, {"tieC", 20, 5}};
    for (const auto& [nick, rating, kons] : players) {
        ASSERT_TRUE(storage_->createAccount(account(nick)));
        ASSERT_TRUE(storage_->saveGame(nick, 10, game(kons, rating)));
    }
    ASSERT_TRUE(storage_->createAccount(account("nogame")));

    const auto top = storage_->ratingTop(10, 10);
    std::vector<std::string> order;
    for (const auto& row : top) order.push_back(row.nick);
    EXPECT_EQ(order, (std::vector<std::string>{"top", "tieB", "tieA", "tieC", "low"}));
    EXPECT_DOUBLE_EQ(top[0].rating, 31.5);
    EXPECT_EQ(top[0].country2, "1-001");
    EXPECT_EQ(storage_->ratingTop(10, 2).size(), 2u);
    EXPECT_TRUE(storage_->ratingTop(11, 10).empty());

    EXPECT_EQ(storage_->countRatedAbove(10, 100), 0);
    EXPECT_EQ(storage_->countRatedAbove(10, 20), 1);
    EXPECT_EQ(storage_->countRatedAbove(10, 19.99), 4);
    EXPECT_EQ(storage_->countRatedAbove(10, -100), 5);
}

TEST_P(StorageTest, ConcurrentRegistrationsLoseNoneAndLetOneWinARace) {
    constexpr int kThreads = 8, kEach = 20;
    std::atomic<int> raceWins{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kEach; ++i) {
                EXPECT_TRUE(storage_->createAccount(
                    account("p" + std::to_string(t) + "_" + std::to_string(i))));
                if (storage_->createAccount(account("race" + std::to_string(i)))) ++raceWins;
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(raceWins.load(), kEach);
    EXPECT_EQ(storage_->memberCount(), kThreads * kEach + kEach);
}

INSTANTIATE_TEST_SUITE_P(Backends, StorageTest, ::testing::Values("sqlite", "postgresql"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace tavik::server
