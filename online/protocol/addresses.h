#pragma once
// The service addresses. Every one but the web site's is held enciphered with
// StringCipher; the account, tournament, photo, news and configuration addresses are
// deciphered at each use, the top-ten and statistics addresses once when they are set.
// The built-in values all derive from one base address (config::kServiceAddress,
// chosen at build time) and the paths of service_paths.h.

#include <string>
#include <string_view>
#include <utility>

namespace tavik::online {

// Where member photos are uploaded: an ftp:// folder address ending with "/" and the
// store's credentials, all enciphered with the account key.
struct PhotoStore {
    std::string FolderEnciphered;
    std::string UserEnciphered;
    std::string PasswordEnciphered;
    bool operator==(const PhotoStore&) const = default;
};

class ServiceAddresses {
  public:
    // The built-in addresses under `base` (default: the build's service address). The
    // photo store is ftp://HOST:21/ on the base's host with the built-in credentials.
    static ServiceAddresses BuiltIn(std::string_view base);
    static ServiceAddresses BuiltIn();

    // Enciphered forms, as kept and as the remote configuration delivers them.
    const std::string& AccountAddress() const { return account_; }
    const std::string& TopTenAddress() const { return topTen_; }
    const std::string& StatAddress() const { return stat_; }
    const std::string& TourAddress() const { return tour_; }
    const std::string& PhotoAddress() const { return photo_; }
    const std::string& NewsAddress() const { return news_; }
    const std::string& ConfigAddress() const { return config_; }
    const std::string& WebSiteAddress() const { return webSite_; }  // plain
    const PhotoStore& photoStore() const { return photoStore_; }
    // The built-in account address, which the remote configuration starts from.
    const std::string& builtInAccountAddress() const { return builtInAccount_; }

    // Sets an enciphered address (the settings loader passes the stored values). The
    // settings' own built-in top-ten and statistics values (config::kBuiltInTopTenAddress,
    // kBuiltInStatAddress) and an empty text stand for this build's built-in address
    // under the base.
    void setAccountAddress(std::string enciphered) { account_ = std::move(enciphered); }
    void setTopTenAddress(std::string enciphered);
    void setStatAddress(std::string enciphered);
    void setPhotoStore(PhotoStore store) { photoStore_ = std::move(store); }

    // Plain forms for use; "" when the enciphered form does not decipher.
    std::string account() const;
    std::string topTen() const { return topTenPlain_; }
    std::string stat() const { return statPlain_; }
    std::string tour() const;
    std::string photo() const;
    std::string news() const;
    std::string config() const;
    std::string webSite() const { return webSite_; }

  private:
    std::string base_;
    std::string builtInAccount_;
    std::string account_, topTen_, topTenPlain_, stat_, statPlain_, tour_, photo_, news_, config_,
        webSite_;
    PhotoStore photoStore_;
};

// The enciphered form of a plain address for the key its kind uses.
std::string EncipherAccountAddress(std::string_view plain);  // account, photo, store
std::string EncipherConfigAddress(std::string_view plain);   // config, top ten, stat

}  // namespace tavik::online
