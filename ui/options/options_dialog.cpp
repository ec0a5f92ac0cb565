#include "ui/options/options_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "config/settings_table.h"
#include "config/words/languages.h"
#include "ui/button/button_shape.h"
#include "ui/button/qor_cards_button.h"
#include "ui/dialogs/dialog_words.h"
#include "ui/options/window_size_choices.h"
#include "ui/pictures/art_names.h"
#include "ui/pictures/plugin_library.h"

namespace tavik::ui {

namespace k = words::key;

// What a change sets going besides the setting itself.
enum class OptionsDialog::Effect {
    None,
    Music,
    Cursors,
    Buttons,
    PlayerList,
    WindowSize,
    Language,
    Faces,
    Backs,
    Background,
    MenuDesign,
    Enabling,  // only other controls of the dialog change their state
    Fonts,
};

// An on/off setting of the settings table shown as a check box.
struct OptionsDialog::Switch {
    OptionsTab tab;
    words::WordKey caption;
    const char* key;
    Effect effect = Effect::None;
};

// A numbered setting offered as a list or, with `round`, as round buttons. Settings of
// the table are read and written through it; `get` and `set` serve the others.
struct OptionsDialog::Choice {
    OptionsTab tab;
    words::WordKey label;
    std::string key;
    std::vector<int> values;
    std::function<QString(int)> text;
    Effect effect = Effect::None;
    bool round = false;
    std::function<int(const config::Settings&)> get = {};
    std::function<void(config::Settings&, int)> set = {};
};

namespace {

const config::SettingsField& Field(const std::string& key) {
    const config::SettingsField* f = config::findSettingsField(key);
    Q_ASSERT(f != nullptr);
    return *f;
}

// A setting of the table as a number: an on/off setting is 1 or 0.
int ReadNumber(const config::Settings& s, const std::string& key) {
    const config::SettingValue v = Field(key).access.get(s);
    if (const bool* b = std::get_if<bool>(&v)) return *b ? 1 : 0;
    return std::get<int>(v);
}

void WriteNumber(config::Settings& s, const std::string& key, int value) {
    const config::SettingsField& f = Field(key);
    if (std::holds_alternative<bool>(f.access.get(s)))
        f.access.set(s, config::SettingValue(value != 0));
    else
        f.access.set(s, config::SettingValue(value));
}

std::vector<int> Range(int lo, int hi) {
    std::vector<int> v;
    for (int i = lo; i <= hi; ++i) v.push_back(i);
    return v;
}

constexpr int kAuxPurple = 4;  // the list entry "Purple" of the auxiliary-window design

std::string FontKey(int kind, const char* part) {
    return "fonts[" + std::to_string(kind) + "]." + part;
}

}  // namespace

OptionsDialog::OptionsDialog(config::Settings& settings, OptionsHooks hooks, PluginPlaces places,
                             QSize screen, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      hooks_(std::move(hooks)),
      places_(std::move(places)),
      screen_(screen),
      tabs_(new QTabWidget(this)) {
    setModal(true);
    tabs_->setUsesScrollButtons(false);  // all nine tabs in sight, in every language
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    buildPages();
    QLayout* okRow = OkButtonRow(*this, settings_.language);
    ok_ = qobject_cast<TQorCardsButton*>(okRow->itemAt(1)->widget());
    relabel([this] { ok_->setText(word(k::OK)); });
    layout->addLayout(okRow);
    SetFromSettings();
    ApplyButtonShape(this, settings_.newButtons);
}

OptionsDialog::~OptionsDialog() = default;

QString OptionsDialog::word(words::WordKey key) const {
    return WordText(key, settings_.language);
}

void OptionsDialog::relabel(std::function<void()> f) {
    relabels_.push_back(std::move(f));
}

QWidget& OptionsDialog::tab(OptionsTab t) {
    return *pages_[static_cast<std::size_t>(t)];
}

QCheckBox* OptionsDialog::switchBox(const std::string& key) const {
    const auto it = switches_.find(key);
    return it == switches_.end() ? nullptr : it->second;
}

QComboBox* OptionsDialog::choiceList(const std::string& key) const {
    const auto it = lists_.find(key);
    return it == lists_.end() ? nullptr : it->second;
}

QButtonGroup* OptionsDialog::choiceGroup(const std::string& key) const {
    const auto it = groups_.find(key);
    return it == groups_.end() ? nullptr : it->second;
}

TQorCardsButton* OptionsDialog::downloadButton(const QString& fileName) const {
    const auto it = downloads_.find(fileName);
    return it == downloads_.end() ? nullptr : it->second;
}

void OptionsDialog::buildPages() {
    const words::WordKey titles[] = {k::TabGeneral, k::TabCards,     k::TabDecks,
                                     k::TabGame,    k::TabFonts,     k::TabBG,
                                     k::TabSaveGames, k::TabDLL,     k::TabDesign};
    for (int i = 0; i < 9; ++i) {
        auto* page = new QWidget;
        new QVBoxLayout(page);
        pages_.push_back(page);
        tabs_->addTab(page, QString());
        relabel([this, i, key = titles[i]] { tabs_->setTabText(i, word(key)); });
    }

    using T = OptionsTab;
    const Switch switches[] = {
        {T::General, k::Sound, "soundOn"},
        {T::General, k::Music, "musicOn", Effect::Music},
        {T::General, k::GifAnimation, "gifAnimation"},
        {T::General, k::FlyCards, "flyCardsOn"},
        {T::General, k::RedCursor, "ownCursor", Effect::Cursors},
        {T::General, k::NewButtons, "newButtons", Effect::Buttons},
        {T::General, k::Multiplayer, "NetGame", Effect::PlayerList},
        {T::Game, k::ReDealRule, "ReDealRule"},
        {T::Game, k::SixesRule, "SixesRule"},
        {T::Game, k::HintsRule, "HintsRule"},
        {T::SaveGames, k::SaveGamesAsGif, "saveGif"},
    };
    for (const Switch& s : switches) addSwitch(&tab(s.tab), s);

    // General: the speed and passport buttons, the window size and the language.
    auto* general = tab(T::General).layout();
    auto* buttons = new QHBoxLayout;
    speed_ = DialogButton(k::MenuSpeed, settings_.language, &tab(T::General));
    passport_ = DialogButton(k::Passport, settings_.language, &tab(T::General));
    buttons->addWidget(speed_);
    buttons->addWidget(passport_);
    buttons->addStretch();
    static_cast<QVBoxLayout*>(general)->addLayout(buttons);
    relabel([this] {
        speed_->setText(word(k::MenuSpeed) + QLatin1Char('=') +
                        QString::number(settings_.flySpeed));
        passport_->setText(word(k::Passport));
    });
    connect(speed_, &QPushButton::clicked, this, [this] {
        if (hooks_.speedChooser) hooks_.speedChooser();
        ApplyLanguage();  // the caption shows the new speed
    });
    connect(passport_, &QPushButton::clicked, this, [this] {
        if (hooks_.passport) hooks_.passport();
    });

    const auto named = [this](std::vector<words::WordKey> keys, int first) {
        return [this, keys = std::move(keys), first](int v) {
            return word(keys[static_cast<std::size_t>(v - first)]);
        };
    };
    const std::vector<Choice> choices = {
        {T::General, k::WindowSizeLabel, "windowSize",
         WindowSizeChoices(screen_.width(), screen_.height()),
         [this](int v) { return word(WindowSizeWord(v)); }, Effect::WindowSize},
        {T::General, k::LanguageLabel, "language", Range(0, words::kLanguageCount - 1),
         [](int v) { return QString::fromUtf8(words::selectorName(v).data()); },
         Effect::Language},
        {T::Cards, k::FaceStyleLabel, "deckStyle", Range(0, kFaceStyles - 1),
         [this](int v) {
             if (v == 0) return word(k::BuiltIn);
             return word(k::StyleNumber) + QString::number(v) + QStringLiteral(" (") +
                    QString::fromStdString(FaceStyleCodes(v).own) + QLatin1Char(')');
         },
         Effect::Faces},
        {T::Decks, k::BackStyleLabel, "backStyle", Range(0, kBackStyles - 1),
         [this](int v) {
             return v == 0 ? word(k::BuiltIn) : word(k::StyleNumber) + QString::number(v);
         },
         Effect::Backs},
        {T::Decks, k::Modification, "oneBack", {0, 1, 2},
         named({k::ChangeDecks, k::AlwaysOne, k::RandomBack}, 0), Effect::None, true,
         [](const config::Settings& s) { return s.oneBack ? 1 : 0; },
         [](config::Settings& s, int v) { s.oneBack = v == 1; }},
        {T::BG, k::PatternLabel, "backgroundPattern", Range(0, 10),
         [this](int v) {
             return v == 0 ? word(k::NoPattern) : word(k::PatternNumber) + QString::number(v);
         },
         Effect::Background},
        {T::BG, k::TintLabel, "backgroundTint", Range(0, 6),
         named({k::TintGreen, k::TintRed, k::TintOrange, k::TintYellow, k::TintBlue1,
                k::TintBlue2, k::TintViolet},
               0),
         Effect::Background},
        {T::Game, k::ComputerLabel, "computer", {0, 1},
         named({k::ComputerClassic, k::ComputerExpert}, 0), Effect::None, false,
         [](const config::Settings& s) { return static_cast<int>(s.computer); },
         [](config::Settings& s, int v) {
             s.computer = v == 1 ? config::ComputerLevel::Expert : config::ComputerLevel::Classic;
         }},
        {T::SaveGames, k::TabSaveGames, "gifCapture", {1, 2},
         named({k::CaptureMainWindow, k::CaptureScreen}, 1), Effect::None, true},
        {T::DLL, k::RadioListLabel, "radioFromServer", {1, 0},
         [this](int v) { return word(v == 1 ? k::FromServer : k::FromDisk); }, Effect::None,
         true},
        {T::Design, k::MenuDesignLabel, "menuDesign", {0, 1},
         named({k::Customizable, k::Purple}, 0), Effect::MenuDesign},
        {T::Design, k::TableDesignLabel, "tableDesign", {0, 1},
         named({k::Customizable, k::Purple}, 0), Effect::Enabling},
        {T::Design, k::AuxDesignLabel, "auxDesign", {2, 1, 3, kAuxPurple},
         [this](int v) {
             return word(v == 1   ? k::GrayConcise
                         : v == 2 ? k::GrayAristocratic
                         : v == 3 ? k::GrayRibbons
                                  : k::Purple);
         },
         Effect::None, false,
         [](const config::Settings& s) { return s.auxDesignPurple ? kAuxPurple : s.auxDesign; },
         [](config::Settings& s, int v) {
             s.auxDesignPurple = v == kAuxPurple;
             if (v != kAuxPurple) s.auxDesign = v;
         }},
    };
    for (const Choice& c : choices) addChoice(&tab(c.tab), c);

    // Save games: the frame delay, in the range the settings file allows.
    {
        const config::SettingsField& f = Field("gifDelay");
        gifDelay_ = new QSpinBox(&tab(T::SaveGames));
        gifDelay_->setRange(f.lo, f.hi);
        auto* label = new QLabel(&tab(T::SaveGames));
        relabel([this, label] { label->setText(word(k::GifDelayLabel)); });
        auto* row = new QHBoxLayout;
        row->addWidget(label);
        row->addWidget(gifDelay_);
        row->addStretch();
        static_cast<QVBoxLayout*>(tab(T::SaveGames).layout())->addLayout(row);
        connect(gifDelay_, &QSpinBox::valueChanged, this, [this](int v) {
            if (filling_) return;
            settings_.gifDelay = v;
        });
    }

    // Design: the fireworks boxes.
    {
        auto* label = new QLabel(&tab(T::Design));
        relabel([this, label] { label->setText(word(k::FireworksLabel)); });
        tab(T::Design).layout()->addWidget(label);
        addSwitch(&tab(T::Design), {T::Design, k::FireworksButtons, "fireworksButtons"});
        addSwitch(&tab(T::Design), {T::Design, k::TabCards, "fireworksCards"});
    }

    buildFonts(&tab(T::Fonts));
    buildDownloads(&tab(T::DLL));
    for (QWidget* page : pages_) static_cast<QVBoxLayout*>(page->layout())->addStretch();
}

QCheckBox* OptionsDialog::addSwitch(QWidget* page, const Switch& s) {
    auto* box = new QCheckBox(page);
    page->layout()->addWidget(box);
    switches_[s.key] = box;
    relabel([this, box, caption = s.caption] { box->setText(word(caption)); });
    connect(box, &QCheckBox::toggled, this, [this, key = std::string(s.key), e = s.effect](bool on) {
        if (filling_) return;
        WriteNumber(settings_, key, on ? 1 : 0);
        changed(e);
    });
    return box;
}

QWidget* OptionsDialog::addChoice(QWidget* page, const Choice& c) {
    auto apply = [this, c](int value) {
        if (filling_) return;
        if (c.set)
            c.set(settings_, value);
        else
            WriteNumber(settings_, c.key, value);
        changed(c.effect);
    };
    values_[c.key] = c.get ? c.get : [key = c.key](const config::Settings& s) {
        return ReadNumber(s, key);
    };
    if (c.round) {
        auto* box = new QGroupBox(page);
        auto* inner = new QVBoxLayout(box);
        auto* group = new QButtonGroup(box);
        for (int v : c.values) {
            auto* button = new QRadioButton(box);
            group->addButton(button, v);
            inner->addWidget(button);
            relabel([button, text = c.text, v] { button->setText(text(v)); });
        }
        relabel([this, box, label = c.label] { box->setTitle(word(label)); });
        page->layout()->addWidget(box);
        groups_[c.key] = group;
        connect(group, &QButtonGroup::idToggled, this, [apply](int id, bool on) {
            if (on) apply(id);
        });
        return box;
    }
    auto* label = new QLabel(page);
    auto* list = new QComboBox(page);
    for (int v : c.values) list->addItem(QString(), v);
    relabel([this, label, list, text = c.text, key = c.label] {
        label->setText(word(key));
        for (int i = 0; i < list->count(); ++i) list->setItemText(i, text(list->itemData(i).toInt()));
    });
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(list, 1);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(row);
    lists_[c.key] = list;
    connect(list, &QComboBox::activated, this,
            [apply, list](int index) { apply(list->itemData(index).toInt()); });
    return list;
}

void OptionsDialog::buildFonts(QWidget* page) {
    auto* form = new QFormLayout;
    auto* kindLabel = new QLabel(page);
    auto* nameLabel = new QLabel(page);
    auto* scaleLabel = new QLabel(page);
    fontKind_ = new QComboBox(page);
    for (int i = 0; i < 4; ++i) fontKind_->addItem(QString(), i);
    fontName_ = new QComboBox(page);
    fontName_->setEditable(true);
    fontName_->addItems(QFontDatabase::families());
    fontScale_ = new QSpinBox(page);
    fontScale_->setRange(50, 150);
    fontScale_->setSuffix(QStringLiteral(" %"));
    form->addRow(kindLabel, fontKind_);
    form->addRow(nameLabel, fontName_);
    form->addRow(scaleLabel, fontScale_);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(form);
    defaultFonts_ = DialogButton(k::DefaultFonts, settings_.language, page);
    auto* row = new QHBoxLayout;
    row->addWidget(defaultFonts_);
    row->addStretch();
    static_cast<QVBoxLayout*>(page->layout())->addLayout(row);
    relabel([this, kindLabel, nameLabel, scaleLabel] {
        kindLabel->setText(word(k::FontKindLabel));
        nameLabel->setText(word(k::FontNameLabel));
        scaleLabel->setText(word(k::FontScaleLabel));
        const words::WordKey kinds[] = {k::FontLarge, k::FontSmall, k::FontSpecial1,
                                        k::FontSpecial2};
        for (int i = 0; i < 4; ++i) fontKind_->setItemText(i, word(kinds[i]));
        defaultFonts_->setText(word(k::DefaultFonts));
    });
    connect(fontKind_, &QComboBox::currentIndexChanged, this, [this] { showFontKind(); });
    connect(fontName_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (filling_ || name.trimmed().size() < 2) return;  // the file keeps longer names only
        Field(FontKey(fontKind_->currentIndex(), "name"))
            .access.set(settings_, config::SettingValue(name.toStdString()));
        changed(Effect::Fonts);
    });
    connect(fontScale_, &QSpinBox::valueChanged, this, [this](int v) {
        if (filling_) return;
        Field(FontKey(fontKind_->currentIndex(), "scale")).access.set(settings_, v);
        changed(Effect::Fonts);
    });
    connect(defaultFonts_, &QPushButton::clicked, this, [this] {
        settings_.fonts = config::Settings{}.fonts;
        showFontKind();
        changed(Effect::Fonts);
    });
}

void OptionsDialog::showFontKind() {
    const bool was = filling_;
    filling_ = true;
    const config::FontSetting& f = settings_.fonts[static_cast<std::size_t>(
        std::clamp(fontKind_->currentIndex(), 0, 3))];
    fontName_->setCurrentText(QString::fromStdString(f.name));
    fontScale_->setValue(f.scale);
    filling_ = was;
}

void OptionsDialog::buildDownloads(QWidget* page) {
    auto* label = new QLabel(page);
    relabel([this, label] { label->setText(word(k::DownloadLabel)); });
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->insertWidget(0, label);
    auto* grid = new QGridLayout;
    int i = 0;
    for (const PluginFile& file : PluginFiles()) {
        auto* button = new TQorCardsButton(file.fileName, page);
        button->setColorSB(TColorSB::DNavy);
        button->setFontColor(Qt::white);
        button->setGrayDis(true);
        button->setMinimumWidth(150);
        grid->addWidget(button, i / 3, i % 3);
        downloads_[file.fileName] = button;
        connect(button, &QPushButton::clicked, this, [this, file] { Download(file); });
        ++i;
    }
    layout->insertLayout(1, grid);
}

bool OptionsDialog::Download(const PluginFile& file) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const download::DownloadResult result = DownloadPlugin(places_, file);
    if (hooks_.sound) hooks_.sound(result.ok() ? "WToMenK" : "WWrongs");
    QApplication::restoreOverrideCursor();
    RefreshDownloads();
    return result.ok();
}

void OptionsDialog::RefreshDownloads() {
    for (const auto& [name, button] : downloads_) button->setEnabled(!PluginInstalled(places_, name));
    // The graphics library counts wherever the game finds it, the installed plug-in
    // folder included, not only where a download puts it.
    const bool graphics =
        PluginInstalled(places_, LibraryFileName(ArtLibrary::CGraph)) ||
        !FindLibraryFile(DefaultPluginFolders(places_.programFolder), ArtLibrary::CGraph).isEmpty();
    for (const char* key : {"fireworksButtons", "fireworksCards"}) {
        QCheckBox* box = switchBox(key);
        box->setEnabled(graphics);
        if (!graphics) box->setChecked(false);  // a user's change: the setting goes off too
    }
}

void OptionsDialog::setChoice(const std::string& key, int value) {
    if (QComboBox* list = choiceList(key)) list->setCurrentIndex(list->findData(value));
    if (QButtonGroup* group = choiceGroup(key))
        if (QAbstractButton* b = group->button(value)) b->setChecked(true);
}

void OptionsDialog::SetFromSettings() {
    filling_ = true;
    for (const auto& [key, box] : switches_) box->setChecked(ReadNumber(settings_, key) != 0);
    for (const auto& [key, value] : values_) setChoice(key, value(settings_));
    gifDelay_->setValue(settings_.gifDelay);
    filling_ = false;
    showFontKind();
    ApplyLanguage();
    RefreshDownloads();
    updateEnabled();
}

void OptionsDialog::ApplyLanguage() {
    setWindowTitle(word(k::Options));
    for (const auto& f : relabels_) f();
}

void OptionsDialog::updateEnabled() {
    const bool bothPurple = settings_.menuDesign == 1 && settings_.tableDesign == 1;
    choiceList("backgroundPattern")->setEnabled(!bothPurple);
    choiceList("backgroundTint")->setEnabled(!bothPurple && settings_.backgroundPattern != 0);
    // Games are saved as GIF animation only in the small window.
    switchBox("saveGif")->setEnabled(settings_.windowSize == 1);
}

void OptionsDialog::changed(Effect effect) {
    auto call = [](const std::function<void()>& f) {
        if (f) f();
    };
    switch (effect) {
        case Effect::None: break;
        case Effect::Music: call(hooks_.music); break;
        case Effect::Cursors: call(hooks_.cursors); break;
        case Effect::Buttons:
            ApplyButtonShape(this, settings_.newButtons);
            call(hooks_.buttons);
            break;
        case Effect::PlayerList: call(hooks_.playerList); break;
        case Effect::WindowSize:
            call(hooks_.windowSize);
            SetFromSettings();  // a larger window switches GIF saving off
            break;
        case Effect::Language:
            call(hooks_.language);
            ApplyLanguage();
            break;
        case Effect::Faces:
            if (hooks_.faces && !hooks_.faces()) SetFromSettings();  // back to the built-in entry
            break;
        case Effect::Backs:
            if (hooks_.backs && !hooks_.backs()) SetFromSettings();
            break;
        case Effect::Background:
            // With the purple main menu the pattern and tint are only stored.
            if (settings_.menuDesign == 0 && hooks_.background && !hooks_.background())
                SetFromSettings();
            break;
        case Effect::MenuDesign:
            if (hooks_.background && !hooks_.background()) SetFromSettings();
            break;
        case Effect::Enabling: break;
        case Effect::Fonts: call(hooks_.fonts); break;
    }
    updateEnabled();
}

}  // namespace tavik::ui
