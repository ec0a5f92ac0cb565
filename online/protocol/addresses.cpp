#include "online/protocol/addresses.h"

#include "config/service_address.h"
#include "config/settings.h"
#include "online/account/string_cipher.h"
#include "online/protocol/service_paths.h"

namespace tavik::online {

namespace {

std::string Plain(CipherKey key, const std::string& enciphered) {
    return StringCipher(key).decipher(enciphered).value_or("");
}

// "ftp://HOST:21/" for the host of an http(s) base address.
std::string FtpFolderOnHost(std::string_view base) {
    std::string_view rest = base;
    if (const auto scheme = rest.find("://"); scheme != std::string_view::npos)
        rest.remove_prefix(scheme + 3);
    rest = rest.substr(0, rest.find('/'));
    if (const auto at = rest.rfind('@'); at != std::string_view::npos) rest.remove_prefix(at + 1);
    std::string_view host = rest;
    if (!host.empty() && host.front() == '[') {
        host = host.substr(0, host.find(']') + 1);  // an IPv6 literal keeps its brackets
    } else if (const auto colon = host.find(':'); colon != std::string_view::npos) {
        host = host.substr(0, colon);
    }
    return "ftp://" + std::string(host) + ":" + std::to_string(paths::kPhotoFtpPort) + "/";
}

}  // namespace

std::string EncipherAccountAddress(std::string_view plain) {
    return StringCipher(CipherKey::Account).encipher(plain);
}

std::string EncipherConfigAddress(std::string_view plain) {
    return StringCipher(CipherKey::Config).encipher(plain);
}

ServiceAddresses ServiceAddresses::BuiltIn() {
    return BuiltIn(config::kServiceAddress);
}

ServiceAddresses ServiceAddresses::BuiltIn(std::string_view base) {
    ServiceAddresses a;
    a.base_ = paths::Join(base, "");
    a.builtInAccount_ = EncipherAccountAddress(paths::Join(base, paths::kAccount));
    a.account_ = a.builtInAccount_;
    a.setTopTenAddress("");
    a.setStatAddress("");
    a.tour_ = StringCipher(CipherKey::Tournament).encipher(paths::Join(base, paths::kTour));
    a.photo_ = EncipherAccountAddress(paths::Join(base, paths::kPhotos));
    a.news_ = StringCipher(CipherKey::News).encipher(paths::Join(base, paths::kNews));
    a.config_ = EncipherConfigAddress(paths::Join(base, paths::kConfig));
    a.webSite_ = a.base_;
    const std::string folder = config::kPhotoStoreAddress.empty()
                                   ? FtpFolderOnHost(base)
                                   : paths::Join(config::kPhotoStoreAddress, "");
    a.photoStore_ = PhotoStore{EncipherAccountAddress(folder), std::string(paths::kPhotoStoreUser),
                               std::string(paths::kPhotoStorePassword)};
    return a;
}

void ServiceAddresses::setTopTenAddress(std::string enciphered) {
    if (enciphered.empty() || enciphered == config::kBuiltInTopTenAddress)
        enciphered = EncipherConfigAddress(paths::Join(base_, paths::kTopTen));
    topTen_ = std::move(enciphered);
    topTenPlain_ = Plain(CipherKey::Config, topTen_);
}

void ServiceAddresses::setStatAddress(std::string enciphered) {
    if (enciphered.empty() || enciphered == config::kBuiltInStatAddress)
        enciphered = EncipherConfigAddress(paths::Join(base_, paths::kStat));
    stat_ = std::move(enciphered);
    statPlain_ = Plain(CipherKey::Config, stat_);
}

std::string ServiceAddresses::account() const {
    return Plain(CipherKey::Account, account_);
}
std::string ServiceAddresses::tour() const {
    return Plain(CipherKey::Tournament, tour_);
}
std::string ServiceAddresses::photo() const {
    return Plain(CipherKey::Account, photo_);
}
std::string ServiceAddresses::news() const {
    return Plain(CipherKey::News, news_);
}
std::string ServiceAddresses::config() const {
    return Plain(CipherKey::Config, config_);
}

}  // namespace tavik::online
