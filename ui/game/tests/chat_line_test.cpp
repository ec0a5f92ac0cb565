// The chat line of a LAN game on the real table view, talking through a LAN link to a
// second side over an in-process pipe.
#include "ui/game/chat_line.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "net/tests/lan_pair.h"
#include "ui/game/action_keys.h"
#include "ui/table/table_view.h"
#include "ui/table/tests/table_test_support.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

using net::testing::Delivery;
using net::testing::LanSide;

// The local copy is the server on a table view; the client is the other copy.
struct ChatTable {
    ChatTable() {
        test::App();
        view.setGameKind(true, false);
        view.StartTable();
        view.renderer().ResetChat();
        view.show();
        client.link.connected();
        for (int i = 0; i < 3; ++i) {
            net::testing::deliver(client, server, Delivery::AsSent);
            net::testing::deliver(server, client, Delivery::AsSent);
        }
    }
    const Display display = MakeDisplay(1, 0, 0, 0);
    config::Settings settings;
    CardArt art;
    TableView view{display, art, settings};
    int sounds = 0;
    ChatLine chat{view, [this] { ++sounds; }};
    LanSide server{1, 1, "lowest", {}, &chat};
    LanSide client{2, 2, "lowest", {}};
};

TEST(ChatLine, EnterOrTheButtonSendsAndShowsTheLineAndAReceivedLineSounds) {
    ChatTable t;
    ASSERT_EQ(t.server.link.netLink(), 2);
    QLineEdit& edit = t.view.chatEdit();
    QPushButton& send = t.view.chatSend();
    EXPECT_TRUE(edit.isVisible());
    EXPECT_FALSE(edit.isEnabled());  // no game runs yet
    t.chat.attach(t.server.link, 1);
    ASSERT_TRUE(edit.isEnabled());
    ASSERT_TRUE(send.isEnabled());

    // Enter sends; an empty line sends nothing.
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_TRUE(t.server.pipe.outbox.empty());
    QTest::keyClicks(&edit, "Hello");
    QTest::keyClick(&edit, Qt::Key_Return);
    ASSERT_EQ(t.server.pipe.outbox.size(), 1u);
    EXPECT_EQ(t.server.pipe.outbox.front(), "sHello");
    EXPECT_TRUE(edit.text().isEmpty());
    EXPECT_EQ(t.view.renderer().chatLines()[1], "Hello");
    net::testing::deliver(t.server, t.client, Delivery::AsSent);
    // The echo is drawn in the colour of the local role: 1, dark red.
    EXPECT_GT(test::CountNear(t.view.renderer().picture(BoxId::Memo), QRect(20, 17, 60, 14),
                              qRgb(128, 0, 0), 60),
              3);

    // The button sends too; a message of fixed form inside the line is defused.
    edit.setText("I hgo now");
    QTest::mouseClick(&send, Qt::LeftButton);
    ASSERT_EQ(t.server.pipe.outbox.size(), 1u);
    EXPECT_EQ(t.server.pipe.outbox.back(), "sI _go now");
    EXPECT_EQ(t.view.renderer().chatLines()[2], "I _go now");
    net::testing::deliver(t.server, t.client, Delivery::AsSent);
    EXPECT_EQ(t.client.chats.lines, (std::vector<std::string>{"Hello", "I _go now"}));
    EXPECT_FALSE(t.client.link.failure());

    // A line of the peer: shown in the local role's colour, with the arrival sound.
    EXPECT_EQ(t.sounds, 0);
    t.client.link.sendChat("Привет");
    net::testing::deliver(t.client, t.server, Delivery::AsSent);
    EXPECT_EQ(t.view.renderer().chatLines()[3], "Привет");
    EXPECT_EQ(t.sounds, 1);
    EXPECT_FALSE(t.server.link.failure());

    // The connection ends: the line is disabled and nothing more is sent.
    t.client.link.close();
    net::testing::deliver(t.client, t.server, Delivery::AsSent);
    ASSERT_TRUE(t.server.link.peerGone());
    t.chat.send("Anyone?");
    EXPECT_FALSE(edit.isEnabled());
    EXPECT_FALSE(send.isEnabled());
    EXPECT_EQ(t.server.pipe.outbox.size(), 0u);
}

TEST(ChatLine, TheOpenCardsCodeTypedAtTheSendButtonIsNotSent) {
    ChatTable t;
    t.chat.attach(t.server.link, 1);
    int open = 0;
    new ActionKeys(t.view.chatSend(), {}, [&] { ++open; });
    QTest::keyClicks(&t.view.chatSend(), "41958");
    EXPECT_EQ(open, 1);
    QTest::keyClick(&t.view.chatSend(), Qt::Key_F10);  // no forecast here
    EXPECT_TRUE(t.server.pipe.outbox.empty());
}

}  // namespace
}  // namespace tavik::ui
