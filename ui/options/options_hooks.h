#pragma once
// What a change in the options dialog sets going in the rest of the program. The main
// window fills these in; an unset hook does nothing, so the dialog also works alone
// (in its tests, and before a service such as the music exists).

#include <functional>

namespace tavik::ui {

struct OptionsHooks {
    std::function<void()> windowSize;  // lay the window out for settings.windowSize
    std::function<void()> language;    // relabel the main window
    std::function<void()> cursors;     // give the windows their cursors for ownCursor
    std::function<void()> buttons;     // give the other windows' buttons the newButtons shape
    std::function<void()> playerList;  // reload the main screen's list for NetGame
    // Reload art after a style change; false when the library is missing (the loader
    // then resets the setting and told the player).
    std::function<bool()> faces;
    std::function<bool()> backs;
    std::function<bool()> background;  // for the main menu's design
    std::function<void()> fonts;       // redraw the texts in the fonts of the settings
    std::function<void()> music;       // start or stop the music for musicOn
    std::function<void()> speedChooser;  // the speed dialog; it changes flySpeed
    std::function<void()> passport;      // the player's account window
    std::function<void(const char*)> sound;  // a sound by resource name
};

}  // namespace tavik::ui
