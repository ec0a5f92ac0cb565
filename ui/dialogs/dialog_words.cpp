#include "ui/dialogs/dialog_words.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>

#include "config/words/word_keys.h"
#include "config/words/word_table.h"

namespace tavik::ui {

QString WordText(words::WordKey key, int language) {
    const std::string_view s = words::word(key, language);
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

TQorCardsButton* DialogButton(words::WordKey key, int language, QWidget* parent) {
    auto* button = new TQorCardsButton(WordText(key, language), parent);
    button->setColorSB(TColorSB::DNavy);
    button->setFontColor(Qt::white);
    button->setHeightSB(THeightSB::D30);
    button->setMinimumWidth(100);
    return button;
}

QLayout* OkButtonRow(QDialog& dialog, int language) {
    auto* ok = DialogButton(words::key::OK, language, &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addStretch();
    return row;
}

bool AskYesNo(QWidget* parent, const QString& title, const QString& question, int language) {
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(WordText(words::key::Yes, language), QMessageBox::YesRole);
    QPushButton* no = box.addButton(WordText(words::key::No, language), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void ShowMessage(QWidget* parent, const QString& title, const QString& text, int language) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::NoButton, parent);
    box.addButton(WordText(words::key::OK, language), QMessageBox::AcceptRole);
    box.exec();
}

QString FileNoticeText(files::FileNotice notice, const std::string& path, int language) {
    const QString quoted = QStringLiteral(" \"") + QString::fromStdString(path) + QLatin1Char('"');
    switch (notice) {
        case files::FileNotice::CantFindFile:
            return WordText(words::key::CantFindFile, language) + quoted + QLatin1Char('!');
        case files::FileNotice::IncorrectFile:
            return WordText(words::key::IncorrectFile, language) + quoted + QLatin1Char('!');
        case files::FileNotice::IncorrectAttributes:
            return WordText(words::key::TheFile, language) + quoted + QLatin1Char(' ') +
                   WordText(words::key::IncorrectAttributes, language) + QLatin1Char('\n') +
                   WordText(words::key::WorkWillBeIncorrect, language);
        case files::FileNotice::DiskWriteError:
            return WordText(words::key::DiskWriteError, language);
        case files::FileNotice::CantSaveHistory:
            return WordText(words::key::CantSaveHistory, language);
    }
    return {};
}

}  // namespace tavik::ui
