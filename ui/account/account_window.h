#pragma once
// The account window: five tabs ("My account", "My results", "Top 10", "About me",
// "President") over the current account. It re-reads the service each time it opens;
// every request waits without freezing the window (the session's runner).

#include <QDialog>
#include <array>
#include <functional>

#include "config/settings.h"
#include "config/words/word_keys.h"
#include "online/account/account_session.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace tavik::ui {

class CountryChooser;

class AccountWindow : public QDialog {
    Q_OBJECT
  public:
    AccountWindow(online::AccountSession& session, const config::Settings& settings,
                  bool allowRating, QWidget* parent = nullptr);

    // The reads on opening, then every tab filled. Call before exec().
    void load();
    // A message in the window's language; a set messageHook receives it instead.
    std::function<void(const QString&)> messageHook;
    // Runs the profile editor (modal); a set editorHook runs instead (tests).
    std::function<void()> editorHook;
    // True when the state or the nick changed while the window was open.
    bool accountChanged() const;
    // Disables every control of "My account" while an account match runs.
    void setMatchRunning(bool running);

    QTabWidget& tabs() { return *tabs_; }
    QLineEdit& nickEdit() { return *nick_; }
    QLineEdit& passwordEdit() { return *password_; }
    QLineEdit& cityEdit() { return *city_; }
    QLineEdit& emailEdit() { return *email_; }
    CountryChooser& country() { return *country_; }
    QComboBox& sexList() { return *sex_; }
    QCheckBox& hidePassword() { return *hide_; }
    QCheckBox& playRating() { return *rating_; }
    QPushButton& createButton() { return *create_; }
    QPushButton& signButton() { return *sign_; }
    QPushButton& saveButton() { return *save_; }
    QPushButton& deleteButton() { return *delete_; }
    QPushButton& profileButton() { return *profile_; }
    QLabel& countryText() { return *countryText_; }
    QLabel& membersText() { return *members_; }
    QTableWidget& topTable() { return *top_; }
    QListWidget& presidentLines() { return *presidentLines_; }
    // The value column of "My results", row 1..9.
    QString resultValue(int row) const;
    // The levels the lamps show: nick, password, city, e-mail.
    int fieldLevel(int field) const { return levels_[static_cast<std::size_t>(field)]; }

  private:
    QWidget* makeAccountTab();
    QWidget* makeResultsTab();
    QWidget* makeTopTab();
    QWidget* makeAboutTab();
    QWidget* makePresidentTab();
    void fillAccount();
    void fillResults();
    void fillTop();
    void fillAbout();
    void fillPresident();
    void onEdit(bool enablesSave);
    void onCreate();
    void onSignButton();
    void onPresidentLine(int row);
    void updateButtons();
    void message(const QString& text);
    QString word(words::WordKey key) const;

    online::AccountSession& session_;
    const int language_;
    const std::string gameTitle_;
    bool matchRunning_ = false;
    bool filling_ = false;
    int startState_;
    std::string startNick_;
    std::array<int, 4> levels_{1, 1, 1, 1};

    QTabWidget* tabs_;
    QLineEdit *nick_, *password_, *city_, *email_;
    std::array<QLabel*, 4> lamps_{};
    QLabel *countryText_, *dateR_, *members_, *star_, *stateLamp_;
    CountryChooser* country_;
    QComboBox* sex_;
    QCheckBox *hide_, *rating_;
    QPushButton *create_, *sign_, *save_, *delete_;
    std::array<QLabel*, 10> results_{};
    QLabel* topNoConnect_;
    QTableWidget* top_;
    QLabel *ownPhoto_, *leaderPhoto_, *leaderName_, *presidentTitle_;
    std::array<QLabel*, 14> ownFields_{};
    QPushButton* profile_;
    QListWidget* presidentLines_;
};

// Shows the account window modally; RatingChoiceAllowed = allowRating meanwhile. True
// when the state or the nick changed (the main screen then redraws).
bool OpenAccountWindow(online::AccountSession& session, const config::Settings& settings,
                       bool allowRating, QWidget* parent);

// The photo of slot `photo`, or the placeholder for the sex, framed by "GAcFrame".
QImage FramedPhoto(const online::MemberPhoto& photo, char sex);

}  // namespace tavik::ui
