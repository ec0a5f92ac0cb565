#include "ui/account/account_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QVBoxLayout>

#include "online/account/account_fields.h"
#include "online/account/user_file.h"
#include "ui/account/account_widgets.h"
#include "ui/account/profile_editor.h"
#include "ui/dialogs/dialog_words.h"

namespace tavik::ui {

namespace k = words::key;

AccountWindow::AccountWindow(online::AccountSession& session, const config::Settings& settings,
                             bool allowRating, QWidget* parent)
    : QDialog(parent),
      session_(session),
      language_(settings.language),
      gameTitle_(WordText(k::Title, settings.language).toStdString()),
      startState_(session.AccountState),
      startNick_(session.CurrentUser.Nick) {
    session_.RatingChoiceAllowed = allowRating;
    setWindowTitle(word(k::AccTitle));
    tabs_ = new QTabWidget(this);
    tabs_->addTab(makeAccountTab(), word(k::AccTabMyAccount));
    tabs_->addTab(makeResultsTab(), word(k::AccTabResults));
    tabs_->addTab(makeTopTab(), word(k::AccTabTop10));
    tabs_->addTab(makeAboutTab(), word(k::AccTabAboutMe));
    tabs_->addTab(makePresidentTab(), word(k::AccTabPresident));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    auto* close = AccountButton(k::AccClose, language_, this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
}

QString AccountWindow::word(words::WordKey key) const {
    return WordText(key, language_);
}

void AccountWindow::message(const QString& text) {
    if (messageHook)
        messageHook(text);
    else
        ShowMessage(this, word(k::AccTitle), text, language_);
}

bool AccountWindow::accountChanged() const {
    return session_.AccountState != startState_ || session_.CurrentUser.Nick != startNick_;
}

QWidget* AccountWindow::makeAccountTab() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    nick_ = FieldEdit(online::kNickMax, page);
    password_ = FieldEdit(online::kPasswordMax, page);
    city_ = FieldEdit(online::kCityMax, page);
    email_ = FieldEdit(online::kEMailMax, page);
    const std::array<std::pair<words::WordKey, QLineEdit*>, 4> edits{{{k::AccNick, nick_},
                                                                      {k::AccPassword, password_},
                                                                      {k::AccCity, city_},
                                                                      {k::AccEMail, email_}}};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const int r = static_cast<int>(i);
        grid->addWidget(new QLabel(word(edits[i].first), page), r, 0);
        grid->addWidget(edits[i].second, r, 1);
        lamps_[i] = new QLabel(page);
        grid->addWidget(lamps_[i], r, 2);
        // A change of the nick or the password made by the player also enables "Save".
        QLineEdit* edit = edits[i].second;
        const bool keyField = i < 2;
        connect(edit, &QLineEdit::textEdited, this, [this, keyField] { onEdit(keyField); });
        connect(edit, &QLineEdit::textChanged, this, [this] { onEdit(false); });
    }
    country_ = new CountryChooser(language_, page);
    countryText_ = new QLabel(page);
    dateR_ = new QLabel(page);
    sex_ = new QComboBox(page);
    sex_->addItem(word(k::AccMan));
    sex_->addItem(word(k::AccWoman));
    grid->addWidget(new QLabel(word(k::AccContinent), page), 4, 0);
    grid->addWidget(country_->continents(), 4, 1);
    grid->addWidget(new QLabel(word(k::AccCountry), page), 5, 0);
    grid->addWidget(country_->countries(), 5, 1);
    grid->addWidget(countryText_, 5, 2);
    grid->addWidget(new QLabel(word(k::AccSex), page), 6, 0);
    grid->addWidget(sex_, 6, 1);
    grid->addWidget(new QLabel(word(k::AccDateR), page), 7, 0);
    grid->addWidget(dateR_, 7, 1);

    hide_ = new QCheckBox(word(k::AccHidePassword), page);
    rating_ = new QCheckBox(word(k::AccPlayRating), page);
    star_ = new QLabel(page);
    stateLamp_ = new QLabel(page);
    members_ = new QLabel(page);
    grid->addWidget(hide_, 8, 0, 1, 2);
    auto* ratingRow = new QHBoxLayout;
    ratingRow->addWidget(rating_);
    ratingRow->addWidget(star_);
    ratingRow->addWidget(stateLamp_);
    ratingRow->addStretch();
    grid->addLayout(ratingRow, 9, 0, 1, 3);
    grid->addWidget(members_, 10, 0, 1, 3);

    create_ = AccountButton(k::AccCreate, language_, page);
    sign_ = AccountButton(k::AccLogin, language_, page);
    save_ = AccountButton(k::AccSave, language_, page);
    delete_ = AccountButton(k::AccDelete, language_, page);
    auto* buttons = new QGridLayout;
    buttons->addWidget(create_, 0, 0);
    buttons->addWidget(sign_, 0, 1);
    buttons->addWidget(save_, 1, 0);
    buttons->addWidget(delete_, 1, 1);
    grid->addLayout(buttons, 11, 0, 1, 3);

    connect(hide_, &QCheckBox::toggled, this, [this](bool on) {
        password_->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal);
    });
    // The password edit shows '#' for every character while "Hide password" is ticked.
    password_->setStyleSheet(QStringLiteral("lineedit-password-character: 35"));
    connect(rating_, &QCheckBox::toggled, this, [this](bool on) {
        if (filling_) return;
        session_.SetPlayingRating(on);
        updateButtons();
    });
    connect(country_, &CountryChooser::changed, this, [this] {
        session_.CurrentUser.Country2 = country_->code();
        session_.CurrentUser.Country1 = country_->shortName();
        countryText_->setText(QString::fromStdString(session_.CurrentUser.Country1));
    });
    connect(sex_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!filling_) session_.CurrentUser.Sex = i == 1 ? 'W' : 'M';
    });
    connect(create_, &QPushButton::clicked, this, &AccountWindow::onCreate);
    connect(sign_, &QPushButton::clicked, this, &AccountWindow::onSignButton);
    connect(save_, &QPushButton::clicked, this, [this] {
        if (!session_.SaveUserFile()) {
            message(word(k::AccUserFileFailed));
            return;
        }
        save_->setEnabled(false);
        delete_->setEnabled(true);
    });
    connect(delete_, &QPushButton::clicked, this, [this] {
        if (!session_.DeleteUserFile()) return;
        save_->setEnabled(true);
        delete_->setEnabled(false);
    });
    return page;
}

void AccountWindow::load() {
    session_.ReadOnOpening();
    filling_ = true;
    hide_->setChecked(true);
    password_->setEchoMode(QLineEdit::Password);
    filling_ = false;
    fillAccount();
    fillResults();
    fillTop();
    fillAbout();
    fillPresident();
    save_->setEnabled(!session_.UserFileExists && session_.AccountState >= online::kSignedIn);
    delete_->setEnabled(session_.UserFileExists);
    tabs_->setCurrentIndex(0);
}

void AccountWindow::fillAccount() {
    const online::TQorUser& user = session_.CurrentUser;
    filling_ = true;
    nick_->setText(QString::fromStdString(user.Nick));
    password_->setText(QString::fromStdString(user.Pw));
    city_->setText(QString::fromStdString(user.City));
    email_->setText(QString::fromStdString(user.EMail));
    country_->setCode(user.Country2);
    countryText_->setText(QString::fromStdString(user.Country1));
    dateR_->setText(QString::fromStdString(session_.signedIn() ? user.DateR : "00.00.0000"));
    sex_->setCurrentIndex(user.Sex == 'W' ? 1 : 0);
    filling_ = false;
    onEdit(false);
}

void AccountWindow::onEdit(bool enablesSave) {
    if (filling_) return;
    online::TQorUser& user = session_.CurrentUser;
    user.Nick = nick_->text().toStdString();
    if (password_->text().toStdString() != user.Pw)
        session_.setPassword(password_->text().toStdString());
    user.City = city_->text().toStdString();
    user.EMail = email_->text().toStdString();
    using F = online::AccountField;
    levels_ = {online::CheckAccountField(user.Nick, F::Nick),
               online::CheckAccountField(user.Pw, F::Password),
               online::CheckAccountField(user.City, F::City),
               online::CheckAccountField(user.EMail, F::EMail)};
    for (std::size_t i = 0; i < lamps_.size(); ++i)
        lamps_[i]->setPixmap(QPixmap::fromImage(LampPicture(levels_[i])));
    if (enablesSave && !matchRunning_) save_->setEnabled(true);
    updateButtons();
}

void AccountWindow::updateButtons() {
    const int state = session_.AccountState;
    const bool out = state == online::kSignedOut;
    const bool free = !matchRunning_;
    for (QWidget* w : std::initializer_list<QWidget*>{
             nick_, password_, city_, email_, sex_, country_->continents(), country_->countries()})
        w->setEnabled(out && free);
    filling_ = true;
    rating_->setEnabled(!out && session_.RatingChoiceAllowed && free);
    rating_->setChecked(state == online::kPlayingRating);
    filling_ = false;
    sign_->setText(word(out ? k::AccLogin : k::AccSignOut));
    create_->setEnabled(free && out && levels_[0] >= 2 && levels_[2] >= 2 && levels_[1] == 3 &&
                        levels_[3] == 3);
    sign_->setEnabled(free && ((out && levels_[0] >= 2 && levels_[1] == 3) || !out));
    hide_->setEnabled(free);
    if (matchRunning_) {
        save_->setEnabled(false);
        delete_->setEnabled(false);
    }
    star_->setPixmap(QPixmap::fromImage(StarPicture(state)));
    stateLamp_->setPixmap(QPixmap::fromImage(LampPicture(state)));
    members_->setText(word(k::ClockClubMembers) + (session_.MemberCount >= 0
                                                       ? QString::number(session_.MemberCount)
                                                       : word(k::AccNoConnect)));
}

void AccountWindow::setMatchRunning(bool running) {
    matchRunning_ = running;
    updateButtons();
    if (!running) {
        save_->setEnabled(!session_.UserFileExists && session_.signedIn());
        delete_->setEnabled(session_.UserFileExists);
    }
}

void AccountWindow::onCreate() {
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    const online::CreateResult result = session_.CreateAccount(today.toStdString());
    fillAccount();
    fillResults();
    fillAbout();
    message(word(result == online::CreateResult::Created     ? k::AccCreated
                 : result == online::CreateResult::NickTaken ? k::AccNickTaken
                                                             : k::AccCreateFailed));
}

void AccountWindow::onSignButton() {
    if (session_.signedIn()) {
        session_.SignOut();
    } else if (!session_.SignIn()) {
        fillResults();
        updateButtons();
        message(word(k::AccLoginFailed));
        return;
    }
    fillAccount();
    fillResults();
    fillAbout();
    fillPresident();
}

bool OpenAccountWindow(online::AccountSession& session, const config::Settings& settings,
                       bool allowRating, QWidget* parent) {
    AccountWindow window(session, settings, allowRating, parent);
    window.load();
    window.exec();
    session.RatingChoiceAllowed = false;
    return window.accountChanged();
}

}  // namespace tavik::ui
