// The panels around the table: seat and game panels, speech captions, move timers,
// the chat lines and the waiting text.
#include <QPainter>

#include "ui/fonts/fonts.h"
#include "ui/pictures/program_pictures.h"
#include "ui/table/table_renderer.h"
#include "ui/table/text_drawing.h"

namespace tavik::ui {
namespace {

constexpr QColor kBlue(0, 0, 255);
constexpr QColor kYellow(255, 255, 0);
constexpr QColor kRed(255, 0, 0);

std::string captionPicture(char colour) {
    switch (colour) {
        case 'b':
            return "SPBlue";
        case 'g':
            return "SPGreen";
        case 'r':
            return "SPRed";
        case 'y':
            return "SPYellow";
        case 'o':
            return "SPFiolet";
        default:
            return {};
    }
}

QColor chatColour(int number) {
    switch (number) {
        case 1:
            return {128, 0, 0};
        case 2:
            return {0, 0, 128};
        case 3:
            return {0, 128, 0};
        case 4:
            return {128, 128, 0};
        default:
            return {0, 0, 0};
    }
}

}  // namespace

void TableRenderer::DrawSeatPanel(int seat, int wins) {
    const BoxId id = seat == 1 ? BoxId::Tab1 : BoxId::Tab2;
    ClearBox(id);
    drawBoxPicture(id, "RamkaFGSm", "RamkaFGBg");
    QImage& target = picture(id);
    QPainter p(&target);
    const QFont font = KindFont(decor(), S(24));
    DrawTextCentred(p, font, kBlue, words_(Word::Prizes) + " " + QString::number(wins), 0,
                    target.width(), S(17));
}

void TableRenderer::DrawGamePanel(int gamesThisMatch) {
    ClearBox(BoxId::Kon);
    drawBoxPicture(BoxId::Kon, "RamkaFBSm", "RamkaFBBg");
    QImage& target = picture(BoxId::Kon);
    QPainter p(&target);
    const QFont font = KindFont(decor(), S(30));
    DrawTextCentred(p, font, kBlue, words_(Word::Game) + ": " + QString::number(gamesThisMatch), 0,
                    target.width(), S(14));
}

void TableRenderer::DrawSpeechCaption(int seat, const QString& text, char colour) {
    const BoxId id = seat == 1 ? BoxId::Say1 : BoxId::Say2;
    ClearBox(id);
    QString line = text;
    while (!line.isEmpty() && line.back() == ' ') line.chop(1);
    if (text.isEmpty()) return;
    const std::string name = captionPicture(colour);
    if (seat == 1) lastCaptionPicture_ = QString::fromStdString(name);
    if (!name.empty()) drawBoxPicture(id, name, name + "B");
    // The largest of three sizes that fits the bubble.
    QFont font;
    for (int size : {18, 16, 14}) {
        font = KindFont(serif(), S(size), true);
        if (TextWidth(font, line) <= S(150)) break;
    }
    QImage& target = picture(id);
    QPainter p(&target);
    DrawTextCentred(p, font, Qt::white, line, 0, S(160),
                    nearest(target.height() - TextHeight(font), 2));
}

void TableRenderer::DrawProgressCaption(const QString& text) {
    ClearBox(BoxId::Say1);
    const std::string name =
        lastCaptionPicture_.isEmpty() ? "SPBlue" : lastCaptionPicture_.toStdString();
    drawBoxPicture(BoxId::Say1, name, name + "B");
    QImage& target = picture(BoxId::Say1);
    QPainter p(&target);
    const QFont font = KindFont(serif(), S(14));
    DrawTextCentred(p, font, Qt::white, text, 0, target.width(), 2);
}

void TableRenderer::DrawMoveTimer(int seat, int seconds) {
    const BoxId id = seat == 1 ? BoxId::Timer1 : BoxId::Timer2;
    ClearBox(id);
    if (seconds == -1) return;
    QImage& target = picture(id);
    QPainter p(&target);
    const bool hurry = seconds < 8;
    p.drawImage(target.rect(),
                ProgramPicture(hurry ? QStringLiteral("GTimerR") : QStringLiteral("GTimerY")));
    const QFont font = KindFont(serif(), S(18), true);
    DrawTextCentred(p, font, hurry ? kYellow : kRed, QString::number(seconds), 0, target.width(),
                    nearest(target.height() - TextHeight(font), 2));
}

void TableRenderer::drawChatFrame() {
    ClearBox(BoxId::Memo);
    drawBoxPicture(BoxId::Memo, "RamkaERSm", "RamkaERBg");
}

void TableRenderer::ResetChat() {
    chatText_ = {};
    chatColour_ = {};
    drawChatFrame();
}

void TableRenderer::AddChatLine(int colourNumber, const QString& text) {
    QString line = text.mid(1);  // the message kind
    std::size_t slot = 1;
    while (slot <= 4 && !chatText_[slot].isEmpty()) ++slot;
    if (slot > 4) {
        for (std::size_t j = 1; j < 4; ++j) {
            chatText_[j] = chatText_[j + 1];
            chatColour_[j] = chatColour_[j + 1];
        }
        slot = 4;
    }
    chatColour_[slot] = colourNumber;
    // The serif font's name at a fixed height: the size percentage does not apply here.
    const QFont font = FontOfHeight(serif().name, S(14));
    drawChatFrame();
    int deleted = 0;
    while (TextWidth(font, line) > S(85) && deleted < 12 && !line.isEmpty()) {
        line.chop(1);
        ++deleted;
    }
    if (deleted > 0) line += "...";
    chatText_[slot] = line;
    QPainter p(&picture(BoxId::Memo));
    for (std::size_t j = 1; j <= 4; ++j)
        if (!chatText_[j].isEmpty())
            DrawTextAt(p, font, chatColour(chatColour_[j]), chatText_[j], S(20),
                       S(14 * static_cast<int>(j) + 3));
}

void TableRenderer::DrawWaitingText(const QString& text) {
    ClearBox(BoxId::Stol);
    QImage& target = picture(BoxId::Stol);
    QPainter p(&target);
    const QFont font = KindFont(decor(), S(24));
    DrawTextCentred(p, font, kYellow, text, 0, target.width(), S(40));
}

}  // namespace tavik::ui
