#pragma once
// The modal options dialog: nine tabs of controls over the settings. Every control
// writes its setting the moment the player changes it and sets its effect going at
// once through OptionsHooks; there is no cancel, so OK and Escape only close it and
// nothing is rolled back. Setting the controls from the settings never counts as a
// change. The settings reach the file when the program closes.

#include <QDialog>
#include <QSize>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "config/settings.h"
#include "config/words/word_keys.h"
#include "ui/options/options_hooks.h"
#include "ui/options/plugin_downloads.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QTabWidget;
class QWidget;

namespace tavik::ui {

class TQorCardsButton;

// The tabs in their order.
enum class OptionsTab { General, Cards, Decks, Game, Fonts, BG, SaveGames, DLL, Design };

class OptionsDialog : public QDialog {
    Q_OBJECT
  public:
    // `screen` is the size of the screen the window is on: it trims the size list.
    OptionsDialog(config::Settings& settings, OptionsHooks hooks, PluginPlaces places,
                  QSize screen, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // --- the controls, by the setting they edit ------------------------------------
    QTabWidget& tabs() { return *tabs_; }
    QWidget& tab(OptionsTab t);
    // A check box of a on/off setting ("soundOn", "fireworksCards" ...); nullptr if none.
    QCheckBox* switchBox(const std::string& key) const;
    // The list of a numbered setting ("windowSize", "deckStyle", "auxDesign" ...).
    QComboBox* choiceList(const std::string& key) const;
    // The button group of a setting offered as round buttons ("gifCapture",
    // "radioFromServer", "oneBack"); a button's id is the value it sets.
    QButtonGroup* choiceGroup(const std::string& key) const;
    QSpinBox& gifDelay() { return *gifDelay_; }
    QComboBox& fontKind() { return *fontKind_; }
    QComboBox& fontName() { return *fontName_; }
    QSpinBox& fontScale() { return *fontScale_; }
    TQorCardsButton& defaultFonts() { return *defaultFonts_; }
    TQorCardsButton& speedButton() { return *speed_; }
    TQorCardsButton& passportButton() { return *passport_; }
    TQorCardsButton& okButton() { return *ok_; }
    // The download button of a library file ("QorCGraph1.rcc").
    TQorCardsButton* downloadButton(const QString& fileName) const;

    // Sets every control from the settings (not a change) and relabels the dialog.
    void SetFromSettings();
    // Relabels every control in the current language.
    void ApplyLanguage();
    // The DLL tab after a download: buttons of installed libraries disabled, the
    // fireworks boxes only with the graphics library.
    void RefreshDownloads();
    // The download of one library: busy cursor, the transfer, its sound, the refresh.
    bool Download(const PluginFile& file);

  private:
    enum class Effect;
    struct Switch;
    struct Choice;
    QCheckBox* addSwitch(QWidget* page, const Switch& s);
    QWidget* addChoice(QWidget* page, const Choice& c);
    void buildPages();
    void buildFonts(QWidget* page);
    void buildDownloads(QWidget* page);
    void changed(Effect effect);
    void setChoice(const std::string& key, int value);
    void showFontKind();
    void updateEnabled();
    void relabel(std::function<void()> f);
    QString word(words::WordKey key) const;

    config::Settings& settings_;
    OptionsHooks hooks_;
    PluginPlaces places_;
    QSize screen_;
    bool filling_ = false;  // controls are being set from the settings
    QTabWidget* tabs_;
    std::vector<QWidget*> pages_;
    std::map<std::string, QCheckBox*> switches_;
    std::map<std::string, QComboBox*> lists_;
    std::map<std::string, QButtonGroup*> groups_;
    std::map<std::string, std::function<int(const config::Settings&)>> values_;  // of a choice
    std::map<QString, TQorCardsButton*> downloads_;
    std::vector<std::function<void()>> relabels_;
    QSpinBox* gifDelay_ = nullptr;
    QComboBox* fontKind_ = nullptr;
    QComboBox* fontName_ = nullptr;
    QSpinBox* fontScale_ = nullptr;
    TQorCardsButton* defaultFonts_ = nullptr;
    TQorCardsButton* speed_ = nullptr;
    TQorCardsButton* passport_ = nullptr;
    TQorCardsButton* ok_ = nullptr;
};

}  // namespace tavik::ui
