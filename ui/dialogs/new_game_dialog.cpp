#include "ui/dialogs/new_game_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QProxyStyle>
#include <QVBoxLayout>

#include "core/files/codec.h"
#include "core/files/password.h"
#include "ui/dialogs/dialog_words.h"

namespace tavik::ui {
namespace {

constexpr int kNameLength = 20;
constexpr int kPasswordLength = 5;

// The style of the password fields: every typed character shows as "#" at once.
class HashPasswordStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '#';
        if (hint == SH_LineEdit_PasswordMaskDelay) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

std::string trimmed(const QString& s) {
    return s.trimmed().toStdString();
}

// The Windows-1251 bytes of a password typed in the field; nullopt when the code page
// cannot hold one of its characters.
std::optional<std::string> password1251(const QLineEdit& edit) {
    return files::utf8ToCp1251(edit.text().toStdString()).optional();
}

}  // namespace

NewGameDialog::NewGameDialog(int slot, std::optional<files::PlayerRecord> stored,
                             config::Settings& settings, QWidget* parent)
    : QDialog(parent),
      slot_(stored ? slot : 6),
      stored_(std::move(stored)),
      settings_(settings),
      hashStyle_(std::make_unique<HashPasswordStyle>()),
      name_(new QLineEdit(this)),
      password_(new QLineEdit(this)),
      repeat_(new QLineEdit(this)),
      error_(new QLabel(this)) {
    const int lang = settings.language;
    setWindowTitle(WordText(words::key::Welcome, lang));
    ok_ = DialogButton(words::key::OK, lang, this);
    cancel_ = DialogButton(words::key::Cancel, lang, this);

    name_->setMaxLength(kNameLength);
    for (QLineEdit* edit : {password_, repeat_}) {
        edit->setMaxLength(kPasswordLength);
        edit->setStyle(hashStyle_.get());
        edit->setEchoMode(QLineEdit::Password);
    }
    error_->setStyleSheet("color: red;");
    error_->hide();

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(WordText(words::key::EnterName, lang), this), 0, 0);
    fields->addWidget(name_, 0, 1);
    fields->addWidget(new QLabel(WordText(words::key::EnterPassword, lang), this), 1, 0);
    fields->addWidget(password_, 1, 1);
    fields->addWidget(new QLabel(WordText(words::key::PasswordAgain, lang), this), 2, 0);
    fields->addWidget(repeat_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(error_);
    layout->addLayout(buttons);

    if (storedMode()) {
        const auto name = files::cp1251ToUtf8(stored_->name);
        name_->setText(QString::fromStdString(name.value_or("")).trimmed());
        name_->setEnabled(false);
        repeat_->setEnabled(false);
        password_->setFocus();
    } else {
        const QString wanted = QString::fromStdString(settings.playerName);
        name_->setText(wanted.size() < kNameLength + 1 ? wanted.trimmed()
                                                       : WordText(words::key::MrX, lang).trimmed());
        name_->setFocus();
    }

    // Enter in any field presses the default button; Escape rejects.
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &NewGameDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    // Typing again hides an old error.
    for (QLineEdit* edit : {name_, password_, repeat_})
        connect(edit, &QLineEdit::textEdited, error_, &QLabel::hide);
}

NewGameDialog::~NewGameDialog() = default;

void NewGameDialog::fail(words::WordKey key, QLineEdit* focus) {
    error_->setText(WordText(key, settings_.language));
    error_->show();
    focus->setFocus();
}

void NewGameDialog::confirm() {
    // 1. A name, and one the player list can store.
    const std::string name = trimmed(name_->text());
    if (name.empty() || !files::utf8ToCp1251(name)) return fail(words::key::IncorrectName, name_);
    // 2. The typed name becomes the player-name setting.
    settings_.playerName = name;
    const auto typed = password1251(*password_);
    std::optional<std::string> field;
    if (storedMode()) {
        // 4. A stored player's password, both sides padded to five characters.
        if (!typed || !files::PasswordMatches(*typed, stored_->passwordField))
            return fail(words::key::IncorrectPassword, password_);
        field = stored_->passwordField;
    } else {
        // 3, 5. A new player types the same password twice.
        if (password_->text() != repeat_->text())
            return fail(words::key::PasswordsDiffer, password_);
        if (typed) field = files::ScramblePassword(*typed).optional();
        if (!field) return fail(words::key::IncorrectPassword, password_);
    }
    choice_ = PlayerChoice{slot_, name, *field};
    accept();
}

}  // namespace tavik::ui
