#include "ui/table/table_scene.h"

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
      view_(std::make_unique<TableView>(game_, display_, art_, settings_)),
      random_(options.seed),
      world_{{*view_, quiet_, quiet_, quiet_, quiet_, random_}, bouts_},
      seat2Player_(options.seed ^ 0x5EA72ULL),
      opponent_(seat1Player_),
      controller_(game_, world_, opponent_, hooks_) {
    settings_.deckStyle = options.faceStyle;
    ArtLoader loader(display_, settings_, art_, options.folders, options.notice);
    artLoaded_ = loader.LoadCardFaces();
    loader.LoadTableBackground(false);
    art_.backIndex = ChooseBackIndex(settings_.backStyle, settings_.oneBack, options.weekday,
                                     1 + static_cast<int>(options.seed % 10));
    game_.UserName = "Player";
    view_->StartTable();
}

TableScene::~TableScene() = default;

bool TableScene::PlayIntoMidGame(int maxSteps) {
    controller_.NewKon(false);
    for (int i = 0; i < maxSteps; ++i) {
        const bool defended = game_.KolCardsStol >= 2 && game_.KolFree == 0;
        if (bouts_.bouts >= 1 && defended && !game_.deckEmpty() && game_.Phase == GamePhase::Play)
            return true;
        if (game_.Step == BoutStep::ResultShown || !PlayStep(game_, controller_, seat2Player_))
            return false;
    }
    return false;
}

QImage TableScene::Render() {
    return view_->grab().toImage();
}

}  // namespace tavik::ui
