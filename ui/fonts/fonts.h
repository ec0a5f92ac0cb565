#pragma once
// Fonts by the names the settings store. The stored names are those of the original
// Windows fonts; at font lookup they are mapped to installed families ("Comic Sans MS"
// to Comic Neue, "FixedSys" to Unifont, "Courier New" to Liberation Mono, "Arial" to
// Liberation Sans), never by rewriting the settings.

#include <QFont>
#include <QString>
#include <vector>

#include "ui/fonts/font_kinds.h"

namespace tavik::ui {

// A stored font name and the installed families that stand in for it, best first.
struct FontStandIn {
    const char* stored;
    std::vector<const char*> families;
};
const std::vector<FontStandIn>& FontStandIns();

// Registers the substitutions of the stored font names. Safe to call more than once.
void InstallFontSubstitutions();

// A font of the stored name whose line (ascent + descent) is `height` pixels, as a
// Windows font height gives it. "FixedSys" is drawn without antialiasing.
QFont FontOfHeight(const std::string& name, int height, bool bold = false);
// The font of a kind at FontSize(n) of that kind.
QFont KindFont(const config::FontSetting& kind, int n, bool bold = false);

}  // namespace tavik::ui
