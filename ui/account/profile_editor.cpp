#include "ui/account/profile_editor.h"

#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>

#include "ui/account/account_widgets.h"
#include "ui/account/account_window.h"
#include "ui/dialogs/dialog_words.h"

namespace tavik::ui {
namespace {

namespace k = words::key;

}  // namespace

ProfileEditor::ProfileEditor(online::AccountSession& session, int language, QWidget* parent)
    : QDialog(parent), session_(session), language_(language) {
    setWindowTitle(WordText(k::AccTabMyAccount, language));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(WordText(k::EdNote, language), this), 0, 0, 1, 3);
    photo_ = new QLabel(this);
    photo_->setCursor(Qt::PointingHandCursor);
    photo_->setToolTip(WordText(k::EdChoosePhoto, language));
    photo_->installEventFilter(this);
    grid->addWidget(photo_, 1, 0, 14, 1, Qt::AlignTop);
    const words::WordKey labels[] = {k::EdName1,     k::EdName2,    k::EdAbout,    k::EdPhone,
                                     k::EdEMail,     k::EdWebSite,  k::EdSkype,    k::EdOK,
                                     k::EdVK,        k::EdTelegram, k::EdFaceBook, k::EdTwitter,
                                     k::EdInstagram, k::EdYouTube};
    online::TInfo14 info = session_.CurrentUser.Info;
    const auto values = online::ProfileFields(info);
    for (int i = 0; i < 14; ++i) {
        const auto n = static_cast<std::size_t>(i);
        grid->addWidget(new QLabel(WordText(labels[i], language), this), i + 1, 1);
        edits_[n] = new QLineEdit(QString::fromStdString(*values[n]), this);
        edits_[n]->setMinimumWidth(260);
        grid->addWidget(edits_[n], i + 1, 2);
    }
    refreshPhoto_ = AccountButton(k::EdRefreshPhoto, language, this);
    update_ = AccountButton(k::EdUpdate, language, this);
    auto* close = AccountButton(k::AccClose, language, this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(refreshPhoto_);
    buttons->addWidget(update_);
    buttons->addWidget(close);
    grid->addLayout(buttons, 15, 0, 1, 3);
    refreshPhoto_->setEnabled(false);
    update_->setEnabled(false);
    for (QLineEdit* edit : edits_)
        connect(edit, &QLineEdit::textChanged, this, [this] { update_->setEnabled(true); });
    connect(refreshPhoto_, &QPushButton::clicked, this, &ProfileEditor::onRefreshPhoto);
    connect(update_, &QPushButton::clicked, this, &ProfileEditor::onUpdate);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    showPhoto();
}

void ProfileEditor::message(const QString& text) {
    if (messageHook)
        messageHook(text);
    else
        ShowMessage(this, windowTitle(), text, language_);
}

void ProfileEditor::showPhoto() {
    online::MemberPhoto shown = session_.OwnPhoto;
    if (chosen_) shown = {*chosen_, true};
    photo_->setPixmap(QPixmap::fromImage(FramedPhoto(shown, session_.CurrentUser.Sex)));
}

bool ProfileEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == photo_ && event->type() == QEvent::MouseButtonRelease) {
        const QString path =
            QFileDialog::getOpenFileName(this, WordText(k::EdChoosePhoto, language_), QString(),
                                         QStringLiteral("JPEG (*.jpg *.jpeg)"));
        if (!path.isEmpty()) choosePhoto(path);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool ProfileEditor::choosePhoto(const QString& path) {
    std::optional<std::string> bytes = CheckPhotoFile(path);
    if (!bytes) {
        message(WordText(k::EdPhotoSize, language_));
        return false;
    }
    chosen_ = std::move(bytes);
    showPhoto();
    refreshPhoto_->setEnabled(true);
    return true;
}

void ProfileEditor::onRefreshPhoto() {
    if (!chosen_) return;
    const online::UploadResult sent = session_.UploadOwnPhoto(*chosen_);
    if (!sent.ok) {
        message(WordText(k::EdPhotoFailed, language_));
        return;
    }
    chosen_.reset();
    showPhoto();
    refreshPhoto_->setEnabled(false);
}

void ProfileEditor::onUpdate() {
    online::TInfo14 info;
    const auto fields = online::ProfileFields(info);
    for (std::size_t i = 0; i < edits_.size(); ++i) *fields[i] = edits_[i]->text().toStdString();
    if (session_.UpdateInfo(info))
        update_->setEnabled(false);
    else
        message(WordText(k::AccNoConnect, language_));
}

}  // namespace tavik::ui
