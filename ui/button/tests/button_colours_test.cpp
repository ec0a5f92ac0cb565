#include "ui/button/button_colours.h"

#include <gtest/gtest.h>

namespace tavik::ui {
namespace {

struct Expect {
    int r, g, b;
};

void expectColour(Rgb got, Expect want, const char* what) {
    EXPECT_EQ(got.r, want.r) << what;
    EXPECT_EQ(got.g, want.g) << what;
    EXPECT_EQ(got.b, want.b) << what;
}

TEST(ButtonColours, TransformsOfTheRedBar) {
    struct Case {
        const char* what;
        Rgb in;
        TColorSB colour;
        PieceKind kind;
        int light;
        Expect out;
    } cases[] = {
        {"red unchanged", {232, 173, 173}, TColorSB::DRed, PieceKind::Gradient, 0, {232, 173, 173}},
        {"navy pink", {232, 173, 173}, TColorSB::DNavy, PieceKind::Gradient, 0, {173, 173, 232}},
        {"green", {200, 100, 50}, TColorSB::DGreen, PieceKind::PictureR, 0, {100, 200, 50}},
        {"blue", {200, 100, 50}, TColorSB::DBlue, PieceKind::PictureR, 0, {50, 200, 200}},
        {"navy", {200, 100, 50}, TColorSB::DNavy, PieceKind::PictureR, 0, {50, 100, 200}},
        {"yellow", {200, 100, 50}, TColorSB::DYellow, PieceKind::PictureR, 0, {200, 200, 50}},
        {"violet", {200, 100, 50}, TColorSB::DViolet, PieceKind::PictureR, 0, {200, 100, 200}},
        // B' = nearest(35) = 35, G' = 35 + nearest(0.4 x 165) = 101.
        {"orange", {200, 100, 50}, TColorSB::DOrang, PieceKind::Gradient, 0, {200, 101, 35}},
        // nearest(3.5) = 4, then 4 + nearest(0.4 x 196) = 4 + 78.
        {"orange halves", {200, 0, 5}, TColorSB::DOrang, PieceKind::Gradient, 0, {200, 82, 4}},
        {"orange only below red",
         {100, 200, 50},
         TColorSB::DOrang,
         PieceKind::Gradient,
         0,
         {100, 200, 50}},
        {"cards gradient", {200, 100, 50}, TColorSB::DCards, PieceKind::Gradient, 0, {140, 0, 200}},
        {"cards R picture",
         {200, 100, 50},
         TColorSB::DCards,
         PieceKind::PictureR,
         0,
         {140, 0, 200}},
        {"cards Q near red",
         {200, 100, 50},
         TColorSB::DCards,
         PieceKind::PictureQ,
         0,
         {120, 70, 200}},
        {"cards Q far from red",
         {0, 0, 255},
         TColorSB::DCards,
         PieceKind::PictureQ,
         0,
         {0, 0, 255}},
        // nearest(0.5 x 127 + 128) = 192 (63.5 rounds to the even 64), nearest(0.5 x 255) = 128.
        {"lighten 50", {128, 0, 0}, TColorSB::DRed, PieceKind::Gradient, 50, {192, 128, 128}},
        {"lighten after navy",
         {128, 0, 0},
         TColorSB::DNavy,
         PieceKind::Gradient,
         100,
         {255, 255, 255}},
        {"Q lightens near red",
         {255, 20, 20},
         TColorSB::DRed,
         PieceKind::PictureQ,
         10,
         {255, 44, 44}},
        {"Q keeps the rest", {30, 30, 30}, TColorSB::DRed, PieceKind::PictureQ, 50, {30, 30, 30}},
        {"R lightens all", {30, 30, 30}, TColorSB::DRed, PieceKind::PictureR, 50, {142, 142, 142}},
    };
    for (const Case& c : cases)
        expectColour(TransformColour(c.in, c.colour, c.light, c.kind), c.out, c.what);
}

TEST(ButtonColours, FocusColoursPerBarColour) {
    expectColour(FocusOutlineColour(TColorSB::DYellow), {255, 200, 200}, "yellow outline");
    expectColour(FocusOutlineColour(TColorSB::DNavy), {200, 255, 200}, "navy outline");
    expectColour(FocusOutlineColour(TColorSB::DCards), {200, 175, 50}, "cards outline");
    expectColour(FocusDotColour(TColorSB::DRed), {255, 255, 0}, "red dot");
    expectColour(FocusDotColour(TColorSB::DNavy), {0, 128, 0}, "navy dot");
    expectColour(FocusDotColour(TColorSB::DCards), {220, 180, 255}, "cards dot");
}

}  // namespace
}  // namespace tavik::ui
