#pragma once
// The session tests' fixture: a match in the test host against a scripted deck and a
// scripted computer, played by clicks on the real table view and its buttons.

#include <QApplication>
#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>
#include <QtTest/QTest>
#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "config/words/word_table.h"
#include "core/files/atomic_file.h"
#include "core/files/history_folder.h"
#include "core/files/password.h"
#include "core/rules/moves.h"
#include "core/tests/test_support.h"
#include "ui/dialogs/end_game_window.h"
#include "ui/dialogs/general_count_window.h"
#include "ui/dialogs/history_viewer.h"
#include "ui/dialogs/new_game_dialog.h"
#include "ui/flight/table_flights.h"
#include "ui/game/game_session.h"
#include "ui/game/hand_input.h"
#include "ui/game/hand_keys.h"
#include "ui/game/result_display.h"
#include "ui/game/tests/test_host.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {

using tavik::test::C;

inline QString Word_(Word w) {
    return QString::fromUtf8(words::word(words::keyOf(w), 0).data());
}

// Runs `act` on the next modal window of type T (a dialog or a message box) once it
// is open.
template <class T>
void OnNextModal(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
        auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

// Fills the new-game dialog and presses OK.
inline void AnswerPlayerDialog(QString name, QString password, QString repeat) {
    OnNextModal<NewGameDialog>([=](NewGameDialog* dialog) {
        if (dialog->nameEdit().isEnabled()) dialog->nameEdit().setText(name);
        dialog->passwordEdit().setText(password);
        if (dialog->repeatEdit().isEnabled()) dialog->repeatEdit().setText(repeat);
        QTest::mouseClick(&dialog->okButton(), Qt::LeftButton);
    });
}

// Presses the message box button with the given text.
inline void AnswerMessageBox(QString button, QString* text = nullptr) {
    OnNextModal<QMessageBox>([=](QMessageBox* box) {
        if (text) *text = box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button) b->click();
    });
}

// The deck: seat 1 holds 7б 8б 9к 10к Вп Дп, seat 2 6б 6к 7к 8п Тб 6ч, hearts are
// trumps (9ч at the bottom), so seat 2 with the lowest trump leads.
inline std::vector<std::string> ScriptedDeck() {
    std::vector<std::string> deck = {"7б", "8б", "9к", "1к", "Вп", "Дп",
                                     "6б", "6к", "7к", "8п", "Тб", "6ч"};
    for (const char* rank : {"6", "7", "8", "9", "1", "В", "Д", "К", "Т"})
        for (const char* suit : {"ч", "б", "к", "п"}) {
            const std::string code = std::string(rank) + suit;
            if (code != "9ч" && std::find(deck.begin(), deck.end(), code) == deck.end())
                deck.push_back(code);
        }
    deck.push_back("9ч");
    return deck;
}

// A stored player in slot 1 of the local list.
inline void StorePlayer(const test::TestHost& host, int kons, int score) {
    files::PlayerList list = files::PlayerList::empty();
    list.insertPlayer(
        files::PlayerRecordLine({"Ivan", 3.0, kons, score, *files::ScramblePassword("pw")}), false);
    ASSERT_TRUE(
        files::writeFileAtomic(host.dataFolder().inProgram("Tavik2.clb"), list.bytes()).ok());
}

// The application exists before the fixture's widgets.
struct WithApp {
    WithApp() { test::App(); }
};

class SessionTest : public ::testing::Test, WithApp {
  protected:
    SessionTest() : random(ScriptedDeck()) {
        SetFlightsInstant(true);  // the flights keep their order of effects, without waiting
        parts.random = &random;
        parts.opponent = &opponent;
        session = std::make_unique<GameSession>(host, parts);
        host.show();
    }

    GameState& g() { return session->game(); }
    TableView& view() { return host.tableView(); }
    // A point on the card in slot 1..KolCards2 of the player's hand.
    QPoint CardPoint(int slot) {
        const Box& b = view().renderer().box(BoxId::Hand2);
        return {b.left + view().renderer().handPositions(2)[static_cast<std::size_t>(slot)] + 3,
                b.top + 20};
    }
    void ClickCard(int slot) { QTest::mouseClick(&view(), Qt::LeftButton, {}, CardPoint(slot)); }
    void ClickAction() { QTest::mouseClick(&view().button7(), Qt::LeftButton); }
    int SlotOf(const char* code) {
        for (int i = 1; i <= g().KolCards2; ++i)
            if (g().CardsI2[i] == C(code)) return i;
        return 0;
    }
    // The player's move now: the lowest card the rules take, or 0.
    int LegalSlot() {
        const std::optional<MoveKind> kind = session->controller().HumanMoveKind();
        if (!kind || g().Phase != GamePhase::Play || (*kind != MoveKind::Defend && !MayAttack(g())))
            return 0;
        for (int i = 1; i <= g().KolCards2; ++i)
            if (CheckMove(g(), i, *kind) == kMoveOk) return i;
        return 0;
    }
    // When the player is to act, the action button says what a press will do.
    void ExpectCaptionOfStep() {
        struct Expected {
            int attacker;
            BoutStep step;
            Word caption;
            bool enabled;
        };
        static const Expected table[] = {
            {2, BoutStep::Lead, Word::ThatsAll, false},
            {2, BoutStep::Add, Word::ThatsAll, true},
            {2, BoutStep::AddToTaker, Word::ThatsAll, true},
            {1, BoutStep::Defend, Word::ITake, true},
            {1, BoutStep::ConfirmBeaten, Word::Beaten, true},
            {1, BoutStep::ConfirmAdded, Word::ITake, true},
        };
        for (const Expected& e : table)
            if (g().Attacker == e.attacker && g().Step == e.step) {
                const int step = static_cast<int>(e.step);
                EXPECT_EQ(view().button7().text(), Word_(e.caption))
                    << "attacker " << e.attacker << " step " << step;
                EXPECT_EQ(view().button7().isEnabled(), e.enabled)
                    << "attacker " << e.attacker << " step " << step;
                stepsSeen.insert({e.attacker, e.step});
            }
    }
    // Plays the kon to its result with the mouse: the lowest legal card, else the
    // action button when the player is to act, else the computer's turn on the timer.
    void PlayToResult() {
        for (int guard = 0; g().Step != BoutStep::ResultShown && guard < 3000; ++guard) {
            ExpectCaptionOfStep();
            if (const int slot = LegalSlot(); slot != 0) {
                const Card card = g().CardsI2[slot];
                const int before = g().KolCardsStol;
                ClickCard(slot);
                ASSERT_EQ(g().InGameI[before + 1], card) << "the clicked card is on the table";
            } else if (view().button7().isEnabled() && !session->controller().ComputersTurn()) {
                ClickAction();
            } else {
                QTest::qWait(20);
            }
        }
        ASSERT_EQ(g().Step, BoutStep::ResultShown);
    }

    test::TestHost host;
    tavik::test::DeckRandom random;
    tavik::test::ScriptedOpponent opponent;
    GameSession::Parts parts;
    std::unique_ptr<GameSession> session;
    std::set<std::pair<int, BoutStep>> stepsSeen;  // (attacker, step) met
};

}  // namespace tavik::ui
