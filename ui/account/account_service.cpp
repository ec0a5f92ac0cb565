#include "ui/account/account_service.h"

#include "online/account/user_file.h"
#include "online/protocol/account_requests.h"
#include "ui/account/account_widgets.h"
#include "ui/account/account_window.h"
#include "ui/account/passport_window.h"
#include "ui/main_window/main_screen.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/picture_view.h"
#include "ui/waiting/run_waiting.h"

namespace tavik::ui {

AccountService::AccountService(MainWindow& window, online::ServiceAddresses addresses)
    : QObject(&window),
      window_(window),
      client_(std::make_unique<online::ServiceClient>(std::move(addresses))) {
    session_ = std::make_unique<online::AccountSession>(
        *client_, window.dataFolder().inParent(std::string(online::kUserFileName)));
    // Every request runs on a worker while the window keeps painting without input.
    session_->setRunner([](const std::function<void()>& step) {
        RunWaiting([&step] {
            step();
            return true;
        });
    });
    window.hooks().remoteConfiguration = [this](config::Settings& s) {
        applyRemoteConfiguration(s);
    };
    window.hooks().automaticSignIn = [this] {
        session_->AutoSignIn();
        showStateLamp();
    };
    window.optionsHooks().passport = [this] { openPassport(); };
    window.mainScreen().setAccountLine([this] { return accountLine(); });
    connect(&window.mainScreen(), &MainScreen::iconClicked, this, [this](const QString& icon) {
        if (icon == QLatin1String("Account48")) openAccountWindow();
    });
}

AccountService::~AccountService() = default;

void AccountService::applyRemoteConfiguration(config::Settings& settings) {
    client_->addresses.setTopTenAddress(settings.TopTenAddressStored);
    client_->addresses.setStatAddress(settings.StatAddressStored);
    online::ServiceClient& client = *client_;
    remote_ = RunWaiting([&client] { return online::FetchRemoteConfig(client); });
    if (remote_.TopTenAddress) settings.TopTenAddressStored = *remote_.TopTenAddress;
    if (remote_.StatAddress) settings.StatAddressStored = *remote_.StatAddress;
    online::ApplyToAddresses(remote_, client_->addresses);
}

std::optional<QString> AccountService::accountLine() {
    if (!session_->signedIn()) return std::nullopt;
    online::TQorGame game;
    bool ok = false;
    online::AccountSession& s = *session_;
    RunWaiting([&] {
        ok = online::ReadGame(s.client(), s.CurrentUser.Nick, s.CurrentUser.Pw, game);
        return ok;
    });
    if (!ok) return std::nullopt;
    return QString::fromStdString(
        online::AccountLineText(s.CurrentUser.Nick, game, window_.settings().scoreFormat));
}

void AccountService::openAccountWindow(bool allowRating) {
    if (OpenAccountWindow(*session_, window_.settings(), allowRating, &window_) &&
        window_.mainScreenShown())
        window_.mainScreen().FillPlayerList(window_.currentList());
    showStateLamp();
}

void AccountService::showStateLamp() {
    for (const ScreenIcon& icon : window_.mainScreen().icons()) {
        if (QLatin1String(icon.picture) != QLatin1String("Account48") || icon.view == nullptr)
            continue;
        if (lamp_ == nullptr) {
            lamp_ = new QLabel(icon.view);
            lamp_->setAttribute(Qt::WA_TransparentForMouseEvents);
            lamp_->setGeometry(32, 32, 16, 16);
        }
        lamp_->setPixmap(QPixmap::fromImage(
            LampPicture(session_->AccountState)
                .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        lamp_->setToolTip(QString::fromStdString(session_->signedIn() ? session_->CurrentUser.Nick
                                                                      : std::string()));
        lamp_->show();
    }
}

void AccountService::openPassport() {
    PassportWindow passport(window_.settings(), &window_);
    passport.exec();
}

}  // namespace tavik::ui
