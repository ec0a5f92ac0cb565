#include "ui/pictures/card_art.h"

#include <QMessageBox>
#include <algorithm>

#include "config/words/word_table.h"
#include "resources/art_common/face_inversion.h"
#include "ui/pictures/picture_tools.h"

namespace tavik::ui {
namespace {

constexpr QSize kSmallFace{69, 94};
constexpr QSize kSmallAcross{94, 69};
constexpr QSize kSmallSuit{20, 20};

QImage loadPicture(const PictureSource& source, const std::string& name) {
    QImage image = source.picture(name);
    if (image.isNull()) return image;
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QColor WindowColour(const config::Settings& settings) {
    if (settings.menuDesign == 1) return {120, 0, 200};
    if (settings.backgroundPattern == 0) return {0, 128, 0};
    static const QColor kTints[] = {{0, 128, 0},   {128, 0, 0}, {128, 64, 0}, {128, 128, 0},
                                    {0, 128, 128}, {0, 0, 128}, {128, 0, 128}};
    return kTints[std::clamp(settings.backgroundTint, 0, 6)];
}

MissingFileNotice AttentionNotice(const config::Settings& settings, QWidget* parent) {
    return [&settings, parent](const QString& fileName) {
        const std::string_view text = words::word(words::key::CantFindFile, settings.language);
        QMessageBox box(
            QMessageBox::NoIcon, QStringLiteral("Attention"),
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) + " " + fileName,
            QMessageBox::Ok, parent);
        box.exec();
    };
}

ArtLoader::ArtLoader(Display& display, config::Settings& settings, CardArt& art,
                     PluginFolders folders, MissingFileNotice notice)
    : display_(display),
      settings_(settings),
      art_(art),
      folders_(std::move(folders)),
      notice_(std::move(notice)) {}

void ArtLoader::missing(ArtLibrary lib) {
    if (notice_) notice_(LibraryFileName(lib));
}

bool ArtLoader::loadFaceSet(const PictureSource& source, int style) {
    const bool small = display_.cardMode == 1;
    const bool plugin = source.isLibrary();
    bool complete = true;
    for (int n = 1; n <= 36; ++n) {
        QImage face = loadPicture(source, FaceName(style, n, !small));
        if (face.isNull()) complete = false;
        if (plugin && !face.isNull()) {
            if (small) face = FitPicture(face, kSmallFace);
            // Plug-in faces are delivered with the inside of an ellipse inverted.
            art::invertFaceEllipse(face, art::faceInversionBox(!small, WideCardStyle(style)));
        }
        (small ? art_.smallFaces : art_.largeFaces)[static_cast<std::size_t>(n)] = face;
    }
    for (int suit = 1; suit <= 4; ++suit) {
        QImage symbol = loadPicture(source, SuitSymbolName(style, suit, false));
        if (plugin && !symbol.isNull()) {
            symbol = FitPicture(symbol, kSmallSuit);
            MakeColourTransparent(symbol, qRgb(192, 192, 192));
            // This style's diamond is drawn on a slightly different grey.
            if (style == 26 && suit == 2) FloodTransparent(symbol, 0, 0, qRgb(195, 195, 195));
        }
        art_.smallSuits[static_cast<std::size_t>(suit)] = symbol;
        art_.largeSuits[static_cast<std::size_t>(suit)] =
            loadPicture(source, SuitSymbolName(style, suit, true));
        if (symbol.isNull() || art_.largeSuits[static_cast<std::size_t>(suit)].isNull())
            complete = false;
    }
    return complete;
}

bool ArtLoader::LoadCardFaces() {
    bool ok = true;
    const ArtLibrary lib = FaceLibrary(settings_.deckStyle);
    {
        PictureSource source;
        if (lib != ArtLibrary::None && !source.open(folders_, lib)) {
            missing(lib);
            settings_.deckStyle = 0;
            ok = false;
        }
        if (ok && !loadFaceSet(source, settings_.deckStyle)) {
            // A library without all its faces is as good as missing.
            missing(lib);
            settings_.deckStyle = 0;
            ok = false;
        }
    }  // the library is released here
    if (!ok) loadFaceSet(PictureSource(), 0);
    ApplyCardCell(display_, settings_.deckStyle);
    LoadCardBacks();
    return ok;
}

bool ArtLoader::loadBackSet(const PictureSource& source, bool builtin) {
    const bool small = display_.cardMode == 1;
    const int count = BackCount(settings_.backStyle);
    const int style = builtin ? 0 : settings_.backStyle;
    bool complete = true;
    for (int i = 1; i <= 10; ++i) {
        QImage back, across;
        if (i <= count) {
            back = loadPicture(source, BackName(style, i, false, !small, display_.wideCards));
            across = loadPicture(source, BackName(style, i, true, !small, display_.wideCards));
            if (back.isNull() || across.isNull()) complete = false;
            if (small && source.isLibrary()) {
                back = FitPicture(back, kSmallFace);
                across = FitPicture(across, kSmallAcross);
            }
        }
        const auto k = static_cast<std::size_t>(i);
        (small ? art_.smallBacks : art_.largeBacks)[k] = back;
        (small ? art_.smallBacksAcross : art_.largeBacksAcross)[k] = across;
    }
    art_.backCount = count;
    return complete;
}

bool ArtLoader::LoadCardBacks() {
    const bool small = display_.cardMode == 1;
    if (BuiltinBacks(settings_.backStyle, small, display_.wideCards))
        return loadBackSet(PictureSource(), true);
    bool opened = false;
    {
        PictureSource source;
        opened = source.open(folders_, ArtLibrary::CardsB) && loadBackSet(source, false);
    }
    if (opened) return true;
    missing(ArtLibrary::CardsB);
    const bool narrowWanted = settings_.backStyle == 0;
    settings_.backStyle = 0;
    if (narrowWanted) {
        // The narrow large backs exist only in library B: go back to the built-in faces,
        // which are wide and reload the built-in backs themselves.
        settings_.deckStyle = 0;
        LoadCardFaces();
    } else {
        loadBackSet(PictureSource(), true);
    }
    return false;
}

bool ArtLoader::LoadTableBackground(bool themed) {
    const bool large = !display_.smallWindow();
    const QSize client(display_.clientWidth, display_.clientHeight);
    auto finish = [&](QImage picture) {
        if (large && !picture.isNull()) picture = ResizeSmooth(picture, client);
        art_.background = picture.convertToFormat(QImage::Format_RGB32);
    };
    if (themed) {
        PictureSource source;
        if (source.open(folders_, ArtLibrary::CGraph)) {
            finish(loadPicture(source, kThemeBackground));
            return true;
        }
        missing(ArtLibrary::CGraph);
        settings_.menuDesign = 0;
        settings_.tableDesign = 0;
        settings_.auxDesignPurple = false;
    }
    art_.windowColour = WindowColour(settings_);
    if (settings_.backgroundPattern == 0) {
        art_.background = QImage();
        return !themed;
    }
    bool ok = !themed;
    QImage picture;
    if (!BuiltinBackground(settings_.backgroundPattern, settings_.backgroundTint)) {
        PictureSource source;
        if (source.open(folders_, ArtLibrary::BackG)) {
            picture = loadPicture(source, BackgroundName(settings_.backgroundPattern,
                                                         settings_.backgroundTint, large));
        }
        if (picture.isNull()) {
            missing(ArtLibrary::BackG);
            settings_.backgroundPattern = 2;
            settings_.backgroundTint = 0;
            ok = false;
        }
    }
    if (picture.isNull()) picture = loadPicture(PictureSource(), BackgroundName(2, 0, large));
    finish(picture);
    return ok;
}

}  // namespace tavik::ui
