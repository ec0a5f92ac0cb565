// tavik-cli render: the table of a game dealt from a seed and played a few moves in,
// drawn by the game's own table view on the offscreen platform and saved as PNG.
#include <QDate>
#include <QString>
#include <cstdio>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"
#include "core/files/data_folder.h"
#include "ui/table_scene/table_scene.h"

namespace tavik::cli {
namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "tavik-cli render: %s\n", message.c_str());
    return 2;
}

}  // namespace

int renderCommand(const std::vector<std::string>& args) {
    std::string error;
    auto parsed = Arguments::parse(args,
                                   {"window-size", "face-style", "back-style", "background", "tint",
                                    "seed", "out", "data-dir", "plugins"},
                                   {}, error);
    if (!parsed) return fail(error);
    const Arguments& a = *parsed;
    ui::TableSceneOptions options;
    options.windowSize = static_cast<int>(a.number("window-size", 1, 1, 5, error));
    options.faceStyle = static_cast<int>(a.number("face-style", 0, 0, 47, error));
    options.backStyle = static_cast<int>(a.number("back-style", 0, 0, 12, error));
    options.backgroundPattern = static_cast<int>(a.number("background", 2, 0, 10, error));
    options.backgroundTint = static_cast<int>(a.number("tint", 0, 0, 6, error));
    options.seed = static_cast<std::uint64_t>(a.number("seed", 1, 0, INT64_MAX, error));
    if (!error.empty()) return fail(error);
    if (!a.has("out")) return fail("--out FILE.png is required");
    const std::string out = a.get("out");

    ui::EnsureApplication();
    const files::DataFolder folder = files::ResolveDataFolder(
        a.has("data-dir") ? std::optional(a.get("data-dir")) : std::nullopt);
    options.folders = ui::DefaultPluginFolders(QString::fromStdString(folder.program));
    if (a.has("plugins")) options.folders.folders.prepend(QString::fromStdString(a.get("plugins")));
    options.weekday = QDate::currentDate().dayOfWeek();
    options.notice = [](const QString& file) {
        std::fprintf(stderr, "tavik-cli render: Attention: Can`t find the file %s\n",
                     qPrintable(file));
    };

    ui::TableScene scene(options);
    const bool midGame = scene.PlayIntoMidGame();
    const QImage picture = scene.Render();
    if (!picture.save(QString::fromStdString(out), "PNG")) return fail("cannot write " + out);
    const GameState& g = scene.game();
    const Json summary = {{"out", out},
                          {"width", picture.width()},
                          {"height", picture.height()},
                          {"faceStyle", scene.settings().deckStyle},
                          {"backStyle", scene.settings().backStyle},
                          {"background", scene.settings().backgroundPattern},
                          {"tint", scene.settings().backgroundTint},
                          {"midGame", midGame},
                          {"hand1", g.KolCards1},
                          {"hand2", g.KolCards2},
                          {"table", g.KolCardsStol},
                          {"deck", g.deckEmpty() ? 0 : 37 - g.Och}};
    std::printf("%s\n", jsonLine(summary).c_str());
    return midGame ? 0 : 1;
}

}  // namespace tavik::cli
