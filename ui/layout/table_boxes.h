#pragma once
// The boxes of the game table and the controls placed beside them, in window pixels.

#include "ui/layout/layout.h"

namespace tavik::ui {

struct TableBoxes {
    Box hand1, hand2;  // ImageCards1 (seat 1, top), ImageCards2 (seat 2, bottom)
    Box tab1, tab2;    // ImageTab1, ImageTab2: name and score panels
    Box say1, say2;    // ImageSay1, ImageSay2: speech captions
    Box koloda;        // ImageKoloda: the deck
    Box stol;          // ImageStol: the table
    Box kon;           // ImageKon: the game result panel
    Box memo;          // ImageMemo: the chat lines

    const Box& hand(int seat) const { return seat == 1 ? hand1 : hand2; }
    const Box& tab(int seat) const { return seat == 1 ? tab1 : tab2; }
    const Box& say(int seat) const { return seat == 1 ? say1 : say2; }
};

// The boxes of the game table for the display. The hand boxes are cardHeight high;
// their base height of 96 places them vertically.
TableBoxes GameTableBoxes(const Display& d);

struct TableControls {
    Box edit1;  // chat input line
    int edit1FontHeight = 0;
    Box bitBtn1;         // chat send button
    Box button7;         // action button
    Box button8;         // end-of-match button
    Box timer1, timer2;  // ImTimer1, ImTimer2 (online games)
};

TableControls GameTableControls(const Display& d, const TableBoxes& boxes);

// The position of the card of a bout inside the table box: attack card k (1..6) at
// (Scaled(ax[k]), Scaled(30)), its defence at (Scaled(dx[k]), 0).
struct SlotPosition {
    int x = 0;
    int y = 0;
    constexpr bool operator==(const SlotPosition&) const = default;
};
SlotPosition AttackSlot(const Display& d, int column);
SlotPosition DefenceSlot(const Display& d, int column);

}  // namespace tavik::ui
