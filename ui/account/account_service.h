#pragma once
// The online account of the game window: the one web-service client, the current
// account, and where the window meets them: the remote configuration at the end of the
// settings read, the automatic sign-in at start, the account icon and list button 5 of
// the main screen, and the passport button of the options.

#include <QLabel>
#include <QObject>
#include <memory>

#include "config/settings.h"
#include "online/account/account_session.h"
#include "online/protocol/remote_config.h"
#include "online/protocol/service_client.h"

namespace tavik::ui {

class MainWindow;

class AccountService : public QObject {
    Q_OBJECT
  public:
    // Installs its hooks into the window; the addresses default to the build's.
    explicit AccountService(MainWindow& window, online::ServiceAddresses addresses =
                                                    online::ServiceAddresses::BuiltIn());
    ~AccountService() override;

    online::ServiceClient& client() { return *client_; }
    online::AccountSession& session() { return *session_; }
    // The switches of the remote configuration (the world top ten, the chat).
    const online::RemoteConfig& remoteConfig() const { return remote_; }

    // The account window (modal); the main screen is redrawn when the account changed.
    void openAccountWindow(bool allowRating = false);
    // The passport window (modal).
    void openPassport();
    // The remote configuration applied to the settings and the addresses.
    void applyRemoteConfiguration(config::Settings& settings);
    // Button 5's account line: the game record read now; nullopt when signed out or
    // when the read fails.
    std::optional<QString> accountLine();

    // The lamp of the account state in the corner of the main screen's account icon.
    void showStateLamp();
    const QLabel* stateLamp() const { return lamp_; }

  private:
    MainWindow& window_;
    QLabel* lamp_ = nullptr;
    std::unique_ptr<online::ServiceClient> client_;
    std::unique_ptr<online::AccountSession> session_;
    online::RemoteConfig remote_;
};

}  // namespace tavik::ui
