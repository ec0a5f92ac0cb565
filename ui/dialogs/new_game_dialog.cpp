#include "ui/dialogs/new_game_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QNetworkInterface>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "core/files/codec.h"
#include "core/files/password.h"
#include "ui/dialogs/dialog_words.h"

namespace tavik::ui {
namespace {

constexpr int kNameLength = 20;
constexpr int kNetNameLength = 9;
constexpr int kPasswordLength = 5;
constexpr int kAddressFields = 8;

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

bool IpAddressShape(const QString& text) {
    static const QRegularExpression shape(QStringLiteral("^[0-9]{1,3}(\\.[0-9]{1,3}){3}$"));
    return shape.match(text).hasMatch();
}

NewGameDialog::NewGameDialog(int slot, std::optional<files::PlayerRecord> stored,
                             config::Settings& settings, StartNetwork startNetwork,
                             QWidget* parent)
    : NewGameDialog(slot, std::move(stored), settings, parent) {
    startNetwork_ = std::move(startNetwork);
    buildNetworkFields();
}

void NewGameDialog::buildNetworkFields() {
    const int lang = settings_.language;
    name_->setMaxLength(kNetNameLength);
    if (name_->text().size() > kNetNameLength) name_->setText(name_->text().left(kNetNameLength));
    server_ = new QRadioButton(WordText(words::key::ServerCreates, lang), this);
    client_ = new QRadioButton(WordText(words::key::ClientEnters, lang), this);
    auto* group = new QButtonGroup(this);
    group->addButton(server_);
    group->addButton(client_);
    ip_ = new QLineEdit(this);
    ip_->setMaxLength(20);
    port_ = new QLineEdit(QString::fromStdString(settings_.port), this);
    port_->setMaxLength(5);
    kons_ = new QLineEdit(QStringLiteral("3"), this);
    kons_->setReadOnly(true);  // a LAN match is three kons
    auto* receive = DialogButton(words::key::ReceiveIP, lang, this);

    auto* net = new QGridLayout;
    net->addWidget(new QLabel(WordText(words::key::ServerClient, lang), this), 0, 0);
    net->addWidget(server_, 0, 1);
    net->addWidget(client_, 1, 1);
    net->addWidget(new QLabel(WordText(words::key::EnterIP, lang), this), 2, 0);
    net->addWidget(ip_, 2, 1);
    net->addWidget(new QLabel(WordText(words::key::EnterPort, lang), this), 3, 0);
    net->addWidget(port_, 3, 1);
    net->addWidget(new QLabel(WordText(words::key::NumberGames, lang), this), 4, 0);
    net->addWidget(kons_, 4, 1);
    net->addWidget(receive, 5, 0, 1, 2);
    for (int i = 0; i < kAddressFields; ++i) {
        auto* field = new QLineEdit(this);
        field->setReadOnly(true);
        addresses_.push_back(field);
        net->addWidget(field, 6 + i / 2, i % 2);
    }
    // Below the name and password fields, above the error line.
    static_cast<QVBoxLayout*>(layout())->insertLayout(1, net);

    connect(server_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) chooseRole(1);
    });
    connect(client_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) chooseRole(2);
    });
    // Only digits and "." in the address, only digits in the port: anything else
    // puts back the stored value.
    connect(ip_, &QLineEdit::textEdited, this, [this](const QString& text) {
        static const QRegularExpression allowed(QStringLiteral("^[0-9.]*$"));
        if (!allowed.match(text).hasMatch())
            ip_->setText(QString::fromStdString(settings_.ipAddress));
        else if (role_ == 2)
            settings_.ipAddress = text.toStdString();
        error_->hide();
    });
    connect(port_, &QLineEdit::textEdited, this, [this](const QString& text) {
        static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
        if (!digits.match(text).hasMatch())
            port_->setText(QString::fromStdString(settings_.port));
        settings_.port = port_->text().toStdString();
    });
    connect(receive, &QPushButton::clicked, this, &NewGameDialog::showAddresses);
    server_->setChecked(true);
    chooseRole(1);
}

void NewGameDialog::chooseRole(int role) {
    role_ = role;
    ip_->setEnabled(role == 2);
    ip_->setText(role == 2 ? QString::fromStdString(settings_.ipAddress) : QString());
}

void NewGameDialog::showAddresses() {
    std::vector<QString> shown;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.protocol() != QAbstractSocket::IPv4Protocol || a.isLoopback()) continue;
        if (shown.size() < 6) shown.push_back(a.toString());
    }
    // The address under which the web service sees this machine: the service is not
    // asked here, so the line stays empty.
    shown.push_back(QString());
    shown.push_back(QStringLiteral("127.0.0.1"));
    for (std::size_t i = 0; i < addresses_.size(); ++i) {
        addresses_[i]->setText(i < shown.size() ? shown[i] : QString());
        addresses_[i]->setToolTip(
            i + 1 == shown.size() ? WordText(words::key::Loop, settings_.language) : QString());
    }
}

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
    choice_ = PlayerChoice{slot_, name, *field, role_};
    if (!startNetwork_) {
        accept();
        return;
    }
    // 7-8. The client's address and the port.
    if (role_ == 2 && !IpAddressShape(ip_->text()))
        return fail(words::key::IncorrectIP, ip_);
    if (port_->text().isEmpty() || port_->text().toUInt() > 65535)
        return fail(words::key::IncorrectPort, port_);
    if (role_ == 2) settings_.ipAddress = ip_->text().toStdString();
    settings_.port = port_->text().toStdString();
    // 9-10. Connect and wait; a cancelled wait leaves this dialog open.
    if (startNetwork_(role_, ip_->text(), static_cast<quint16>(port_->text().toUInt())))
        accept();
}

}  // namespace tavik::ui
