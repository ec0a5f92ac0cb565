#include "ui/dialogs/wait_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/button/qor_cards_button.h"
#include "ui/dialogs/dialog_words.h"

namespace tavik::ui {

WaitDialog::WaitDialog(words::WordKey status, std::function<bool()> noGames, int language,
                       QWidget* parent)
    : QDialog(parent),
      noGames_(std::move(noGames)),
      language_(language),
      status_(new QLabel(WordText(status, language), this)) {
    setWindowTitle(WordText(words::key::PleaseWait, language));
    ok_ = DialogButton(words::key::OK, language, this);
    cancel_ = DialogButton(words::key::Cancel, language, this);
    ok_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(&timer_, &QTimer::timeout, this, &WaitDialog::tick);
    timer_.start(1000);
}

void WaitDialog::peerConnected() {
    status_->setText(WordText(words::key::SecondPlayerConnected, language_));
    ok_->setEnabled(true);
    cancel_->setEnabled(false);
}

void WaitDialog::tick() {
    if (noGames_ && noGames_()) status_->setText(WordText(words::key::NoGames, language_));
}

}  // namespace tavik::ui
