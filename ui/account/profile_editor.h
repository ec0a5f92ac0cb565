#pragma once
// The profile editor ("My account"): the fourteen fields of the public profile and the
// own photo, a JPEG of exactly 200 x 250 uploaded to the photo store.

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "online/account/account_session.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavik::ui {

class ProfileEditor : public QDialog {
    Q_OBJECT
  public:
    ProfileEditor(online::AccountSession& session, int language, QWidget* parent = nullptr);

    // The picture chooser's answer: a good photo is shown and enables "Refresh photo";
    // anything else gives the photo-size message. False for a refused file.
    bool choosePhoto(const QString& path);
    // A message in the window's language; a set messageHook receives it instead.
    std::function<void(const QString&)> messageHook;

    QLineEdit& field(int i) { return *edits_[static_cast<std::size_t>(i)]; }
    QPushButton& refreshPhotoButton() { return *refreshPhoto_; }
    QPushButton& updateButton() { return *update_; }
    QLabel& photo() { return *photo_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showPhoto();
    void onUpdate();
    void onRefreshPhoto();
    void message(const QString& text);

    online::AccountSession& session_;
    int language_;
    std::array<QLineEdit*, 14> edits_{};
    QLabel* photo_;
    QPushButton *refreshPhoto_, *update_;
    std::optional<std::string> chosen_;
};

}  // namespace tavik::ui
