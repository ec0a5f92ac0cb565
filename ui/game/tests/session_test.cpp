// A match in the window, played by clicks on the real table view and its buttons
// against a scripted deck and a scripted computer, through the dialogs to the player
// list and the history file.
#include "ui/game/tests/session_fixture.h"

namespace tavik::ui {
namespace {

TEST_F(SessionTest, TwoKonsByClicksThenTheEndOfTheMatch) {
    StorePlayer(host, 28, 100);  // the second kon completes the player's 30-kon cycle
    AnswerPlayerDialog({}, "pw", {});
    host.settings().oneBack = true;  // the deal shows the seventh back
    host.art().backIndex = 1;
    emit host.startRequested(1);
    ASSERT_TRUE(session->inMatch());
    EXPECT_EQ(host.art().backIndex, 7);
    EXPECT_TRUE(view().isVisible());
    EXPECT_TRUE(host.quitEnabled && host.genCountEnabled);
    EXPECT_EQ(g().names[2], "Ivan");
    EXPECT_EQ(g().KonCount, 29);
    EXPECT_EQ(view().button7().text(), Word_(Word::ToBegin));
    EXPECT_TRUE(view().button7().isEnabled());
    EXPECT_TRUE(view().button8().isVisible());
    EXPECT_FALSE(view().button8().isEnabled());
    EXPECT_EQ(view().button8().text(), "End the match");

    // The click effect of fireworksCards comes before valid clicks only.
    std::vector<QPoint> effects;
    session->handInput().beforeValidClick = [&](QPoint at) { effects.push_back(at); };
    // Before play begins a click on the hand does nothing.
    ClickCard(1);
    EXPECT_EQ(g().KolCards2, 6);
    EXPECT_TRUE(effects.empty());
    ClickAction();
    ASSERT_EQ(g().Phase, GamePhase::Play);
    ExpectCaptionOfStep();

    // The lead lands in the first attack slot.
    const QImage emptyTable = view().renderer().picture(BoxId::Stol);
    const QPoint leadAt = CardPoint(SlotOf("6б"));
    ClickCard(SlotOf("6б"));
    EXPECT_EQ(g().InGameI[1], C("6б"));
    EXPECT_EQ(g().KolCards2, 5);
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0], view().mapToGlobal(leadAt));
    const SlotPosition attack = AttackSlot(view().renderer().display(), 1);
    const QImage laid = view().renderer().picture(BoxId::Stol);
    EXPECT_NE(laid.copy(attack.x, attack.y, 71, 96), emptyTable.copy(attack.x, attack.y, 71, 96));
    test::SaveRender(host.grab().toImage(), "session-lead");

    // The computer beats on its timer; then 8п may not be added to 6б 7б.
    ASSERT_TRUE(QTest::qWaitFor([&] { return g().Step == BoutStep::Add; }, 5000));
    EXPECT_EQ(g().InGameI[2], C("7б"));
    // The pointer shows which cards may be played.
    QTest::mouseMove(&view(), CardPoint(SlotOf("7к")));
    EXPECT_EQ(view().cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&view(), CardPoint(SlotOf("8п")));
    EXPECT_FALSE(view().testAttribute(Qt::WA_SetCursor));
    // The right button never plays a card; it names the card for the voice.
    QTest::mouseClick(&view(), Qt::RightButton, {}, CardPoint(SlotOf("7к")));
    ASSERT_EQ(host.audio_.spoken.size(), 1u);
    EXPECT_EQ(host.audio_.spoken.back(), C("7к"));
    EXPECT_EQ(g().KolCardsStol, 2);
    const Hand handBefore = g().CardsI2;
    const QImage tableBefore = view().renderer().picture(BoxId::Stol);
    EXPECT_FALSE(session->handKeys().refusedShown());
    ClickCard(SlotOf("8п"));
    EXPECT_TRUE(session->handKeys().refusedShown());  // the refusal shows on the card
    EXPECT_EQ(effects.size(), 1u);                    // no effect before a refused card
    EXPECT_EQ(g().Step, BoutStep::Add);
    EXPECT_EQ(g().KolCards2, 5);
    EXPECT_EQ(g().CardsI2, handBefore);
    EXPECT_EQ(g().KolCardsStol, 2);
    EXPECT_EQ(view().renderer().picture(BoxId::Stol), tableBefore);
    // Left clicks never speak; a right click on the table speaks the card there.
    EXPECT_EQ(host.audio_.spoken.size(), 1u);
    const Box& stol = view().renderer().box(BoxId::Stol);
    const SlotPosition lead = AttackSlot(view().renderer().display(), 1);
    const QPoint onLead(stol.left + lead.x + 2, stol.top + lead.y + 90);
    QTest::mouseClick(&view(), Qt::LeftButton, {}, onLead);
    EXPECT_EQ(host.audio_.spoken.size(), 1u);
    QTest::mouseClick(&view(), Qt::RightButton, {}, onLead);
    ASSERT_EQ(host.audio_.spoken.size(), 2u);
    EXPECT_EQ(host.audio_.spoken.back(), C("6б"));

    // With "Fly-Cards" on, every card of the kon flies: each laid card, taken card, drawn
    // card and beaten table.
    std::map<Flight::Path, int> flown;
    session->flights().flights().observer = [&](const std::vector<FlyingCard>& cards, int) {
        if (cards.empty()) return;
        const Box& stol = view().renderer().box(BoxId::Stol);
        const Box& koloda = view().renderer().box(BoxId::Koloda);
        const flight::Point from = cards[0].from, to = cards[0].to;
        if (to.x < 0)
            ++flown[Flight::Path::TableToDiscard];
        else if (from.x == koloda.left + 12)
            ++flown[Flight::Path::DeckToHand];
        else if (to.y >= stol.top && to.y < stol.bottom())
            ++flown[Flight::Path::HandToTable];
        else
            ++flown[Flight::Path::TableToHand];
    };
    const int laidBefore = g().KolCardsStol;
    PlayToResult();
    EXPECT_GT(flown[Flight::Path::HandToTable], 0);
    EXPECT_GT(flown[Flight::Path::DeckToHand] + flown[Flight::Path::TableToDiscard], 0);
    EXPECT_GE(flown[Flight::Path::HandToTable] + laidBefore, 4);
    for (BoutStep step : {BoutStep::Lead, BoutStep::Add})  // the player's lead and additions
        EXPECT_TRUE(stepsSeen.count({2, step})) << static_cast<int>(step);
    test::SaveRender(host.grab().toImage(), "session-result");
    EXPECT_TRUE(session->result().isVisible());
    const Word said = g().KonResult == KonOutcome::Seat1Won   ? Word::YouLose
                      : g().KonResult == KonOutcome::Seat2Won ? Word::YouHaveWon
                                                              : Word::DeadHeat;
    EXPECT_EQ(session->result().text().text(), Word_(said));
    EXPECT_EQ(view().button7().text(), Word_(Word::WePlayStill));
    ASSERT_TRUE(view().button7().isEnabled());
    EXPECT_TRUE(view().button8().isEnabled());

    // "We play still!" deals the next kon; the result leaves the table.
    ClickAction();
    EXPECT_FALSE(session->result().isVisible());
    EXPECT_EQ(g().KonCount, 30);
    EXPECT_EQ(g().Phase, GamePhase::Dealt);
    EXPECT_EQ(view().button7().text(), Word_(Word::ToBegin));
    EXPECT_FALSE(view().button8().isEnabled());
    ClickAction();
    PlayToResult();
    EXPECT_TRUE(session->result().isVisible());
    EXPECT_EQ(view().button7().text(), Word_(Word::WePlayStill));
    EXPECT_FALSE(view().button7().isEnabled()) << "the cycle is complete";
    ASSERT_TRUE(view().button8().isEnabled());
    const int score = g().Score;

    // The end of the match: the end-game window with the place, then the main screen.
    QStringList endLines;
    OnNextModal<EndGameWindow>([&](EndGameWindow* window) {
        test::SaveRender(window->grab().toImage(), "session-end-game");
        endLines = window->lines();
        EXPECT_TRUE(host.waitBannerShown);
        window->accept();
    });
    QTest::mouseClick(&view().button8(), Qt::LeftButton);
    EXPECT_FALSE(session->inMatch());
    EXPECT_EQ(host.mainScreenShown, 1);
    EXPECT_FALSE(host.waitBannerShown);
    EXPECT_FALSE(host.quitEnabled);
    ASSERT_EQ(endLines.size(), 4);
    EXPECT_EQ(endLines[1], "Your result - the best!");
    EXPECT_EQ(endLines[2], "Result: " + QString::number(score));
    EXPECT_EQ(session->lastEnd().place, 1);

    // The list: 30 kons, the cycle's score in the top ten and the slot's score back to 0.
    const auto bytes = files::readFile(host.dataFolder().inProgram("Tavik2.clb"));
    ASSERT_TRUE(bytes);
    const auto list = files::PlayerList::parse(*bytes);
    ASSERT_TRUE(list) << list.error().message;
    const auto record = list->slot(1);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->KonCount, 30);
    EXPECT_EQ(record->score, 0);
    EXPECT_EQ(list->topTen(1).second, score);
    EXPECT_EQ(list->topTen(1).first.substr(0, 4), "Ivan");

    // The history: one valid file with this match, shown by the viewer.
    const auto files = files::ListHistoryFiles(host.dataFolder().history(), "Tavik2");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].records, 1);
    int rows = -1;
    QString player, games;
    OnNextModal<HistoryViewer>([&](HistoryViewer* viewer) {
        rows = viewer->grid().rowCount();
        player = viewer->grid().item(0, 2)->text();
        games = viewer->grid().item(0, 3)->text();
        viewer->accept();
    });
    emit host.historyRequested();
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(player, "Ivan");
    EXPECT_EQ(games, "2");  // the kons of this match
}

// The game's sounds reach the window's audio object; with soundOn off a whole kon makes
// no sound, so nothing waits for one either.
TEST_F(SessionTest, SoundsFollowTheSoundSwitch) {
    host.settings().soundOn = false;
    AnswerPlayerDialog("Quiet", "ab", "ab");
    emit host.startRequested(6);
    ASSERT_TRUE(session->inMatch());
    ClickAction();
    PlayToResult();
    EXPECT_TRUE(host.audio_.played.empty());
    session->leaveMatch();

    host.settings().soundOn = true;
    AnswerPlayerDialog("Loud", "ab", "ab");
    emit host.startRequested(6);
    ASSERT_TRUE(session->inMatch());
    ClickAction();
    PlayToResult();
    auto played = [&](const char* name, bool wait) {
        return std::count_if(
            host.audio_.played.begin(), host.audio_.played.end(),
            [&](const SilentAudio::Played& p) { return p.name == name && p.wait == wait; });
    };
    EXPECT_EQ(played("WTasoKo", false), 1);  // the deal does not wait
    EXPECT_GE(played("WHodsDo", true), 2);   // every card laid waits for its sound
    EXPECT_EQ(played("WHodsDo", false), 0);
}

TEST_F(SessionTest, NewPlayerMenuItemsAndLeavingTheMatch) {
    const auto listBefore = files::readFile(host.dataFolder().inProgram("Tavik2.clb"));
    AnswerPlayerDialog("Tester", "ab", "ab");
    emit host.startRequested(6);
    ASSERT_TRUE(session->inMatch());
    EXPECT_EQ(g().names[2], "Tester");
    EXPECT_EQ(host.settings().playerName, "Tester");
    ClickAction();

    // F10 on the action button: the forecast in the title, and off again.
    view().button7().setFocus();
    QTest::keyClick(&view().button7(), Qt::Key_F10);
    EXPECT_TRUE(g().display.forecastOn);
    EXPECT_TRUE(host.windowTitle().endsWith(" Прогноз...")) << host.windowTitle().toStdString();
    QTest::keyClick(&view().button7(), Qt::Key_F10);
    EXPECT_EQ(host.windowTitle(), "Tavik-Vel");

    // The open-cards code shows the computer's hand face up.
    const QImage backs = view().renderer().picture(BoxId::Hand1);
    QTest::keyClicks(&view().button7(), "41958");
    EXPECT_TRUE(g().OpenCards);
    EXPECT_NE(view().renderer().picture(BoxId::Hand1), backs);
    test::SaveRender(host.grab().toImage(), "session-open-cards");

    // The general count.
    QString kons;
    OnNextModal<GeneralCountWindow>([&](GeneralCountWindow* window) {
        kons = window->rows()[0].second;
        EXPECT_EQ(window->windowTitle(), "Player:  Tester");
        window->accept();
    });
    emit host.genCountRequested();
    EXPECT_EQ(kons, "1");

    // The name change: the dialog in its new-player mode, a message, the caption.
    AnswerPlayerDialog("Renamed", "x", "x");
    QString message;
    AnswerMessageBox("OK", &message);
    emit host.changeNameRequested();
    EXPECT_EQ(g().names[2], "Renamed");
    EXPECT_TRUE(message.endsWith("New name: Renamed")) << message.toStdString();
    EXPECT_EQ(g().captions[2].literal, "Renamed");

    // Quit asks first; "No" keeps the match, "Yes" leaves it. A new player leaves no
    // trace in the list.
    AnswerMessageBox("No");
    emit host.quitRequested();
    EXPECT_TRUE(session->inMatch());
    AnswerMessageBox("Yes");
    emit host.quitRequested();
    EXPECT_FALSE(session->inMatch());
    EXPECT_EQ(host.mainScreenShown, 1);
    EXPECT_FALSE(session->clock().timerRunning());
    EXPECT_EQ(files::readFile(host.dataFolder().inProgram("Tavik2.clb")), listBefore);
}

TEST_F(SessionTest, StoredPlayerNeedsThePasswordAndLosesTheRecordByLeaving) {
    StorePlayer(host, 5, 40);
    // A wrong password keeps the dialog open with its error; Cancel starts nothing.
    QString error;
    OnNextModal<NewGameDialog>([&](NewGameDialog* dialog) {
        dialog->passwordEdit().setText("px");
        dialog->confirm();
        error = dialog->errorLine().text();
        dialog->reject();
    });
    session->start(1);
    EXPECT_EQ(error, "The incorrect password!");
    EXPECT_FALSE(session->inMatch());
    session->start(2);  // an empty slot opens nothing
    EXPECT_FALSE(session->inMatch());

    AnswerPlayerDialog({}, "pw", {});
    session->start(1);
    ASSERT_TRUE(session->inMatch());
    EXPECT_EQ(g().KonCount, 6);
    session->leaveMatch();
    EXPECT_FALSE(session->inMatch());
    const auto bytes = files::readFile(host.dataFolder().inProgram("Tavik2.clb"));
    EXPECT_TRUE(files::PlayerList::parse(*bytes)->slotEmpty(1));
}

}  // namespace
}  // namespace tavik::ui
