#include "ui/account/passport_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include "online/account/account_fields.h"
#include "ui/account/account_widgets.h"
#include "ui/dialogs/dialog_words.h"

namespace tavik::ui {

PassportWindow::PassportWindow(config::Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    namespace k = words::key;
    const int language = settings.language;
    setWindowTitle(WordText(k::Passport, language));
    name_ = FieldEdit(online::kPassportNameMax, this);
    city_ = FieldEdit(online::kPassportCityMax, this);
    name_->setText(QString::fromStdString(settings.passportName));
    city_->setText(QString::fromStdString(settings.passportCity));
    nameLamp_ = new QLabel(this);
    cityLamp_ = new QLabel(this);
    country_ = new CountryChooser(language, this);
    country_->setCode(settings.passportCountry);
    sex_ = new QComboBox(this);
    sex_->addItem(WordText(k::AccMan, language));
    sex_->addItem(WordText(k::AccWoman, language));
    sex_->setCurrentIndex(settings.passportSex == 'W' ? 1 : 0);

    auto* grid = new QGridLayout(this);
    const auto row = [&](int r, words::WordKey label, QWidget* field, QLabel* lamp) {
        grid->addWidget(new QLabel(WordText(label, language), this), r, 0);
        grid->addWidget(field, r, 1);
        if (lamp) grid->addWidget(lamp, r, 2);
    };
    row(0, k::PassName, name_, nameLamp_);
    row(1, k::AccCity, city_, cityLamp_);
    row(2, k::AccContinent, country_->continents(), nullptr);
    row(3, k::AccCountry, country_->countries(), nullptr);
    row(4, k::AccSex, sex_, nullptr);
    ok_ = AccountButton(k::OK, language, this);
    ok_->setDefault(true);
    grid->addWidget(ok_, 5, 0, 1, 3, Qt::AlignCenter);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    connect(name_, &QLineEdit::textChanged, this, [this] { judge(name_); });
    connect(city_, &QLineEdit::textChanged, this, [this] { judge(city_); });
    connect(country_, &CountryChooser::changed, this,
            [this] { settings_.passportCountry = country_->code(); });
    connect(sex_, &QComboBox::currentIndexChanged, this,
            [this](int i) { settings_.passportSex = i == 1 ? 'W' : 'M'; });
    judge(nullptr);
}

void PassportWindow::judge(QLineEdit* changed) {
    const std::string name = name_->text().toStdString(), city = city_->text().toStdString();
    nameLevel_ = online::CheckPassportField(name, online::PassportField::Name);
    cityLevel_ = online::CheckPassportField(city, online::PassportField::City);
    nameLamp_->setPixmap(QPixmap::fromImage(LampPicture(nameLevel_)));
    cityLamp_->setPixmap(QPixmap::fromImage(LampPicture(cityLevel_)));
    const bool good = nameLevel_ >= 2 && cityLevel_ >= 2;
    ok_->setEnabled(good);
    // Both edits go into the passport once both are acceptable, so that a name typed
    // while the city was still wrong is not lost when the city is mended.
    if (!good || changed == nullptr) return;
    settings_.passportName = online::FirstCharacters(name, online::kPassportNameMax);
    settings_.passportCity = online::FirstCharacters(city, online::kPassportCityMax);
}

void PassportWindow::done(int result) {
    if (nameLevel_ == 1 || cityLevel_ == 1) {
        (nameLevel_ == 1 ? name_ : city_)->setFocus();
        return;
    }
    QDialog::done(result);
}

}  // namespace tavik::ui
