#include "ui/account/account_widgets.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QValidator>

#include "online/account/account_fields.h"
#include "online/account/country_tables.h"
#include "ui/dialogs/dialog_words.h"
#include "ui/pictures/program_pictures.h"

namespace tavik::ui {
namespace {

constexpr int kFlagWidth = 14, kFlagHeight = 12;

// Lets through only text made of field characters: a typed character outside the set
// is refused, and so is a pasted text that holds one.
class FieldValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const char32_t c : input.toStdU32String())
            if (!online::IsFieldCharacter(c)) return Invalid;
        return Acceptable;
    }
};

}  // namespace

QImage FlagPicture(const std::string& code) {
    const auto place = online::ParseCountryCode(code).value_or(online::CountryPlace{1, 0});
    const QImage list = ProgramPicture(QStringLiteral("GFlags%1").arg(place.continent));
    if (list.isNull()) return QImage();
    return list.copy(place.index * kFlagWidth, 0, kFlagWidth, kFlagHeight);
}

void DrawFlag(const std::string& code, QPainter& canvas, int x, int y) {
    canvas.drawImage(x, y, FlagPicture(code));
}

void DrawSexIcon(const std::string& sex, QPainter& canvas, int x, int y) {
    canvas.drawImage(
        x, y,
        ProgramPicture(sex == "M" ? QStringLiteral("FaceMan16") : QStringLiteral("FaceWoman16")));
}

QImage LampPicture(int level) {
    return ProgramPicture(level >= 3   ? QStringLiteral("LampG24")
                          : level == 2 ? QStringLiteral("LampY24")
                                       : QStringLiteral("LampR24"));
}

QImage StarPicture(int state) {
    return ProgramPicture(state >= 3   ? QStringLiteral("StarG0")
                          : state == 2 ? QStringLiteral("StarY0")
                                       : QStringLiteral("StarR0"));
}

QImage PhotoPicture(const std::string& jpeg) {
    QImage photo;
    photo.loadFromData(reinterpret_cast<const uchar*>(jpeg.data()), static_cast<int>(jpeg.size()),
                       "JPEG");
    return photo;
}

std::optional<std::string> CheckPhotoFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "JPEG");
    reader.setDecideFormatFromContent(false);
    const QImage photo = reader.read();
    if (photo.isNull() || photo.size() != QSize(200, 250)) return std::nullopt;
    return bytes.toStdString();
}

TQorCardsButton* AccountButton(words::WordKey key, int language, QWidget* parent) {
    TQorCardsButton* button = DialogButton(key, language, parent);
    button->setGrayDis(true);
    return button;
}

QLineEdit* FieldEdit(int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    edit->setValidator(new FieldValidator(edit));
    return edit;
}

CountryChooser::CountryChooser(int language, QWidget* parent)
    : QObject(parent), continents_(new QComboBox(parent)), countries_(new QComboBox(parent)) {
    namespace k = words::key;
    for (const words::WordKey key : {k::ContEurope, k::ContAsia, k::ContNorthAmerica,
                                     k::ContSouthAmerica, k::ContOceania, k::ContAfrica})
        continents_->addItem(WordText(key, language));
    countries_->setIconSize(QSize(kFlagWidth, kFlagHeight));
    countries_->setStyleSheet(
        QStringLiteral("QComboBox QAbstractItemView::item { height: 18px; }"));
    fillCountries(1);
    connect(continents_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (filling_ || i < 0) return;
        code_ = online::CountryCode(i + 1, 0);
        fillCountries(i + 1);
        emit changed();
    });
    connect(countries_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (filling_ || i < 0) return;
        code_ = online::CountryCode(continents_->currentIndex() + 1, i);
        emit changed();
    });
}

void CountryChooser::fillCountries(int continent) {
    filling_ = true;
    countries_->clear();
    int index = 0;
    for (const online::Country& country : online::ContinentCountries(continent))
        countries_->addItem(
            QPixmap::fromImage(FlagPicture(online::CountryCode(continent, index++))),
            QString::fromUtf8(country.English));
    filling_ = false;
}

void CountryChooser::setCode(const std::string& code) {
    const auto place = online::ParseCountryCode(code).value_or(online::CountryPlace{1, 0});
    code_ = online::CountryCode(place.continent, place.index);
    filling_ = true;
    continents_->setCurrentIndex(place.continent - 1);
    filling_ = false;
    fillCountries(place.continent);
    filling_ = true;
    countries_->setCurrentIndex(place.index);
    filling_ = false;
}

std::string CountryChooser::shortName() const {
    const auto country = online::CountryOfCode(code_);
    return country ? country->Short : "Unknown";
}

}  // namespace tavik::ui
