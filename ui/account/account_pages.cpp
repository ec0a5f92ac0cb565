// The tabs "My results", "Top 10", "About me" and "President" of the account window.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

#include "online/account/account_fields.h"
#include "ui/account/account_widgets.h"
#include "ui/account/account_window.h"
#include "ui/account/profile_editor.h"
#include "ui/dialogs/dialog_words.h"
#include "ui/pictures/program_pictures.h"

namespace tavik::ui {
namespace {

namespace k = words::key;

// The label pictures of the fourteen profile fields (online::ProfileFields' order), and
// what a click on the leader's line does (true: open as an address; false: copy).
struct ProfileField {
    const char* picture;
    bool address;
};
const ProfileField kProfileFields[online::kProfileFieldCount] = {
    {"GAcName1", false},     {"GAcName2", false},    {"GAcAbout", false},   {"GAcTelephone", false},
    {"GAcEMail", false},     {"GAcWebSite", true},   {"GAcSkype", false},   {"GAcOK", true},
    {"GAcVK", true},         {"GAcTelegram", false}, {"GAcFaceBook", true}, {"GAcTwitter", true},
    {"GAcInstagramm", true}, {"GAcYouTube", true},
};
// The president's lines: the fields after the two names.
constexpr int kFirstLine = 2;

QPushButton* refreshButton(int language, QWidget* parent) {
    return AccountButton(k::AccRefresh, language, parent);
}

}  // namespace

QImage FramedPhoto(const online::MemberPhoto& photo, char sex) {
    QImage picture = ProgramPicture(QStringLiteral("GAcFrame"));
    if (picture.isNull()) picture = QImage(220, 270, QImage::Format_ARGB32);
    QImage framed(picture.size(), QImage::Format_ARGB32);
    framed.fill(Qt::transparent);
    QPainter p(&framed);
    QImage shown = photo.loaded ? PhotoPicture(photo.jpeg) : QImage();
    if (shown.isNull())
        shown = ProgramPicture(sex == 'M' ? QStringLiteral("GAcNoM") : QStringLiteral("GAcNoF"));
    p.drawImage(QRect(10, 10, 200, 250), shown);
    p.drawImage(0, 0, picture);
    return framed;
}

QWidget* AccountWindow::makeResultsTab() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    const words::WordKey labels[] = {k::ResGame,   k::ResPlayer, k::ResRating,
                                     k::ResPlace,  k::ResPlayed, k::ResBest,
                                     k::ResCycles, k::ResDeal,   k::ResScore};
    for (int r = 1; r <= 9; ++r) {
        grid->addWidget(new QLabel(word(labels[r - 1]), page), r - 1, 0);
        results_[static_cast<std::size_t>(r)] = new QLabel(page);
        grid->addWidget(results_[static_cast<std::size_t>(r)], r - 1, 1);
    }
    auto* refresh = refreshButton(language_, page);
    grid->addWidget(refresh, 9, 0, 1, 2, Qt::AlignCenter);
    grid->setRowStretch(10, 1);
    connect(refresh, &QPushButton::clicked, this, [this] {
        session_.RefreshResults();
        fillResults();
    });
    return page;
}

QString AccountWindow::resultValue(int row) const {
    return results_[static_cast<std::size_t>(row)]->text();
}

void AccountWindow::fillResults() {
    const bool shown = session_.signedIn() && session_.GameOk;
    const online::TQorGame& g = session_.CurrentGame;
    const QString values[] = {
        QString::fromStdString(gameTitle_),
        QString::fromStdString(session_.CurrentUser.Nick),
        QString::fromStdString(online::FormatRating(g.Rating)),
        QString::number(g.Place),
        QString::number(g.Kon),
        QString::number(g.Best),
        QString::number(g.Sessions),
        QString::number(g.KonL),
        QString::number(g.Score),
    };
    for (int r = 1; r <= 9; ++r)
        results_[static_cast<std::size_t>(r)]->setText(shown ? values[r - 1]
                                                             : word(k::AccNoConnect));
}

QWidget* AccountWindow::makeTopTab() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(word(k::TopTitle), page), 0, Qt::AlignCenter);
    topNoConnect_ = new QLabel(word(k::AccNoConnect), page);
    layout->addWidget(topNoConnect_, 0, Qt::AlignCenter);
    top_ = new QTableWidget(10, 6, page);
    top_->setHorizontalHeaderLabels({word(k::TopNumber), word(k::AccNick), word(k::TopCountry),
                                     word(k::AccSex), word(k::AccCity), word(k::ResRating)});
    top_->verticalHeader()->hide();
    top_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    top_->setSelectionMode(QAbstractItemView::NoSelection);
    top_->setIconSize(QSize(16, 16));
    top_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(top_);
    auto* refresh = refreshButton(language_, page);
    layout->addWidget(refresh, 0, Qt::AlignCenter);
    connect(refresh, &QPushButton::clicked, this, [this] {
        session_.RefreshRatingTop();
        fillTop();
    });
    return page;
}

void AccountWindow::fillTop() {
    topNoConnect_->setVisible(!session_.RatingTopOk);
    top_->setVisible(session_.RatingTopOk);
    for (int r = 1; r <= 10; ++r) {
        const online::TQorTop10& row = session_.RatingTop[r];
        const bool empty = row.Nick.empty();
        const auto cell = [&](int column, const QString& text, const QImage& icon = {}) {
            auto* item = new QTableWidgetItem(text);
            if (!icon.isNull()) item->setIcon(QPixmap::fromImage(icon));
            top_->setItem(r - 1, column, item);
        };
        cell(0, empty ? QString() : QString::number(r));
        cell(1, QString::fromStdString(row.Nick));
        cell(2, QString(), empty ? QImage() : FlagPicture(row.Country));
        cell(3, QString(),
             empty ? QImage()
                   : ProgramPicture(row.Sex == 'M' ? QStringLiteral("FaceMan16")
                                                   : QStringLiteral("FaceWoman16")));
        cell(4, QString::fromStdString(row.City));
        cell(5, empty ? QString() : QString::fromStdString(online::FormatRating(row.Rating)));
    }
}

QWidget* AccountWindow::makeAboutTab() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    ownPhoto_ = new QLabel(page);
    grid->addWidget(ownPhoto_, 0, 0, 14, 1, Qt::AlignTop);
    for (int i = 0; i < 14; ++i) {
        auto* icon = new QLabel(page);
        icon->setPixmap(
            QPixmap::fromImage(ProgramPicture(QLatin1String(kProfileFields[i].picture))));
        grid->addWidget(icon, i, 1);
        ownFields_[static_cast<std::size_t>(i)] = new QLabel(page);
        ownFields_[static_cast<std::size_t>(i)]->setTextFormat(Qt::PlainText);
        grid->addWidget(ownFields_[static_cast<std::size_t>(i)], i, 2);
    }
    profile_ = refreshButton(language_, page);
    grid->addWidget(profile_, 14, 0, 1, 3, Qt::AlignCenter);
    grid->setColumnStretch(2, 1);
    connect(profile_, &QPushButton::clicked, this, [this] {
        if (editorHook)
            editorHook();
        else {
            ProfileEditor editor(session_, language_, this);
            editor.exec();
        }
        session_.ReadLeader();
        fillAbout();
        fillPresident();
    });
    return page;
}

void AccountWindow::fillAbout() {
    ownPhoto_->setPixmap(
        QPixmap::fromImage(FramedPhoto(session_.OwnPhoto, session_.CurrentUser.Sex)));
    const auto fields = online::ProfileFields(std::as_const(session_.CurrentUser.Info));
    for (std::size_t i = 0; i < fields.size(); ++i)
        ownFields_[i]->setText(QString::fromStdString(*fields[i]));
    profile_->setEnabled(session_.signedIn());
}

QWidget* AccountWindow::makePresidentTab() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    presidentTitle_ = new QLabel(page);
    grid->addWidget(presidentTitle_, 0, 0, 1, 2, Qt::AlignCenter);
    leaderPhoto_ = new QLabel(page);
    grid->addWidget(leaderPhoto_, 1, 0, 2, 1, Qt::AlignTop);
    leaderName_ = new QLabel(page);
    leaderName_->setTextFormat(Qt::PlainText);
    grid->addWidget(leaderName_, 1, 1);
    presidentLines_ = new QListWidget(page);
    presidentLines_->setCursor(Qt::PointingHandCursor);
    presidentLines_->setIconSize(QSize(24, 24));
    grid->addWidget(presidentLines_, 2, 1);
    grid->setColumnStretch(1, 1);
    connect(presidentLines_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { onPresidentLine(presidentLines_->row(item)); });
    return page;
}

void AccountWindow::fillPresident() {
    presidentTitle_->setText(word(k::PresTitle) + QStringLiteral(" \"") +
                             QString::fromStdString(gameTitle_) + QStringLiteral("\""));
    const online::TInfo14& info = session_.LeaderInfo;
    const bool woman = session_.RatingTop[1].Sex == 'W';
    leaderPhoto_->setPixmap(
        QPixmap::fromImage(FramedPhoto(session_.LeaderPhoto, woman ? 'W' : 'M')));
    leaderName_->setText(
        QString::fromStdString(info.Name1 + " " + info.Name2 + "\n" + session_.LeaderNick()));
    presidentLines_->clear();
    const auto fields = online::ProfileFields(info);
    for (int i = kFirstLine; i < online::kProfileFieldCount; ++i)
        presidentLines_->addItem(new QListWidgetItem(
            QPixmap::fromImage(ProgramPicture(QLatin1String(kProfileFields[i].picture))),
            QString::fromStdString(*fields[static_cast<std::size_t>(i)])));
}

void AccountWindow::onPresidentLine(int row) {
    if (row < 0 || row + kFirstLine >= online::kProfileFieldCount) return;
    const ProfileField& field = kProfileFields[row + kFirstLine];
    const QString text =
        QString::fromStdString(
            *online::ProfileFields(session_.LeaderInfo)[static_cast<std::size_t>(row + kFirstLine)])
            .trimmed();
    if (text.isEmpty()) return;
    if (field.address) {
        // Only web addresses are opened; anything else would be a command to the desktop.
        QUrl url = QUrl::fromUserInput(text);
        if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
            QDesktopServices::openUrl(url);
        return;
    }
    QApplication::clipboard()->setText(text);
    message(word(k::CopiedClipboard));
}

}  // namespace tavik::ui
