#pragma once
// The dialogs of the "Purple" design: the names and sizes of their pictures in the
// graphics library QorCGraph1, shared by its generator and its tests.

#include <QSize>
#include <array>

namespace tavik::plugins {

struct PurpleDialog {
    const char* name;  // the background "GFormSpeed"; the titles add the language part
    QSize size;        // the background's size
};

inline constexpr std::array<PurpleDialog, 13> kPurpleDialogs = {{
    {"GFormWait", {420, 300}},
    {"GFormPw", {400, 260}},
    {"GFormSpeed", {400, 220}},
    {"GFormAbout", {500, 400}},
    {"GFormPass", {460, 420}},
    {"GFormEndG", {500, 400}},
    {"GFormHistory", {700, 500}},
    {"GFormOpt", {640, 480}},
    {"GFormCount", {500, 400}},
    {"GFormAdv", {500, 350}},
    {"GFormThank", {460, 320}},
    {"GFormAcc1", {520, 440}},
    {"GFormRadio", {520, 420}},
}};

// The language parts of the title overlays; Japanese and Korean use "Eng".
inline constexpr std::array<const char*, 8> kTitleLanguages = {"Eng", "Rus", "Deu", "Fra",
                                                               "Spa", "Chi", "Ita", "Cze"};
inline constexpr QSize kTitleSize{360, 44};
// The emblems of three dialogs, shown beside their title.
inline constexpr std::array<const char*, 3> kPurpleEmblems = {"GFormPwL", "GFormCountL",
                                                              "GFormRadioL"};
inline constexpr QSize kEmblemSize{120, 120};
// The animated icons: strips of 48 x 48 frames.
inline constexpr std::array<const char*, 9> kPurpleIcons = {
    "GIcon48Speed", "GIcon48Pass", "GIcon48WT",    "GIcon48History", "GIcon48Opt",
    "GIcon48COunt", "GIcon48Adv",  "GIcon48Thank", "GIcon48Acc"};
inline constexpr int kIconFrames = 8;
// The animated pictures "GifA" .. "GifG".
inline constexpr int kPurpleGifs = 7;
inline constexpr QSize kGifSize{80, 80};
inline constexpr QSize kThemeBackgroundSize{1920, 922};

}  // namespace tavik::plugins
