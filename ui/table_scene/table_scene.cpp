#include "ui/table_scene/table_scene.h"

#include "core/match/headless_play.h"

namespace tavik::ui {

QApplication& EnsureApplication() {
    static int argc = 1;
    static char name[] = "tavik";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: Qt's own globals may go first at exit.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

TableScene::TableScene(const TableSceneOptions& options)
    : display_(MakeDisplay(options.windowSize, options.fullScreenWidth, options.fullScreenHeight,
                           options.faceStyle)),
      view_(std::make_unique<TableView>(display_, art_, settings_)),
      random_(options.seed),
      seat2Player_(options.seed ^ 0x5EA72ULL),
      match_({*view_, quiet_, quiet_, quiet_, quiet_, random_}, seat1Player_, &seat2Player_,
             &bouts_) {
    settings_.deckStyle = options.faceStyle;
    settings_.language = options.language;
    settings_.backStyle = options.backStyle;
    settings_.backgroundPattern = options.backgroundPattern;
    settings_.backgroundTint = options.backgroundTint;
    ArtLoader loader(display_, settings_, art_, options.folders, options.notice);
    artLoaded_ = loader.LoadCardFaces();
    loader.LoadTableBackground(false);
    art_.backIndex = ChooseBackIndex(settings_.backStyle, settings_.oneBack, options.weekday,
                                     1 + static_cast<int>(options.seed % 10));
    match_.state().UserName = "Player";
    view_->StartTable();
}

TableScene::~TableScene() = default;

bool TableScene::PlayIntoMidGame(int maxSteps) {
    const GameState& g = match_.state();
    match_.controller().NewKon(false);
    for (int i = 0; i < maxSteps; ++i) {
        const bool defended = g.KolCardsStol >= 2 && g.KolFree == 0;
        if (bouts_.bouts >= 1 && defended && !g.deckEmpty() && g.Phase == GamePhase::Play)
            return true;
        if (g.Step == BoutStep::ResultShown || !PlayStep(match_)) return false;
    }
    return false;
}

QImage TableScene::Render() {
    return view_->grab().toImage();
}

}  // namespace tavik::ui
