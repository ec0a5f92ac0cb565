#include "app/cli/online_records.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <variant>
#include <vector>

namespace tavik::cli {

using namespace online;

namespace {

// One declared field of a record.
template <typename R>
struct Field {
    const char* name;
    std::variant<std::string R::*, int R::*, double R::*, char R::*, unsigned char R::*> member;
};

template <typename R>
using Fields = std::vector<Field<R>>;

const Fields<TQorUser>& userFields() {
    static const Fields<TQorUser> f = {{"Nick", &TQorUser::Nick},
                                       {"Pw", &TQorUser::Pw},
                                       {"City", &TQorUser::City},
                                       {"Country1", &TQorUser::Country1},
                                       {"Country2", &TQorUser::Country2},
                                       {"Sex", &TQorUser::Sex},
                                       {"EMail", &TQorUser::EMail},
                                       {"DateR", &TQorUser::DateR},
                                       {"R01", &TQorUser::R01},
                                       {"R02", &TQorUser::R02},
                                       {"R03", &TQorUser::R03},
                                       {"R04", &TQorUser::R04},
                                       {"R05", &TQorUser::R05},
                                       {"R06", &TQorUser::R06},
                                       {"PwC", &TQorUser::PwC}};
    return f;
}

const Fields<TInfo14>& infoFields() {
    static const Fields<TInfo14> f = {{"Name1", &TInfo14::Name1},
                                      {"Name2", &TInfo14::Name2},
                                      {"About", &TInfo14::About},
                                      {"Telephone", &TInfo14::Telephone},
                                      {"EMailO", &TInfo14::EMailO},
                                      {"Skype", &TInfo14::Skype},
                                      {"WebSite", &TInfo14::WebSite},
                                      {"OK", &TInfo14::OK},
                                      {"VK", &TInfo14::VK},
                                      {"Telegram", &TInfo14::Telegram},
                                      {"FaceBook", &TInfo14::FaceBook},
                                      {"Twitter", &TInfo14::Twitter},
                                      {"Instagramm", &TInfo14::Instagramm},
                                      {"YouTube", &TInfo14::YouTube}};
    return f;
}

const Fields<TQorGame>& gameFields() {
    static const Fields<TQorGame> f = {{"Kon", &TQorGame::Kon},
                                       {"Score", &TQorGame::Score},
                                       {"Sessions", &TQorGame::Sessions},
                                       {"Rating", &TQorGame::Rating},
                                       {"PlayNow", &TQorGame::PlayNow},
                                       {"R1", &TQorGame::R1},
                                       {"R2", &TQorGame::R2},
                                       {"Place", &TQorGame::Place},
                                       {"Best", &TQorGame::Best},
                                       {"Best5", &TQorGame::Best5},
                                       {"Best6", &TQorGame::Best6},
                                       {"Best7", &TQorGame::Best7},
                                       {"Best8", &TQorGame::Best8},
                                       {"KonL", &TQorGame::KonL},
                                       {"WindA", &TQorGame::WindA},
                                       {"WindB", &TQorGame::WindB},
                                       {"WhoL", &TQorGame::WhoL},
                                       {"SkL", &TQorGame::SkL},
                                       {"Bank", &TQorGame::Bank},
                                       {"DoBank", &TQorGame::DoBank},
                                       {"Win", &TQorGame::Win},
                                       {"WinL", &TQorGame::WinL},
                                       {"Won", &TQorGame::Won},
                                       {"WonL", &TQorGame::WonL},
                                       {"Nih", &TQorGame::Nih},
                                       {"NihL", &TQorGame::NihL},
                                       {"Sco", &TQorGame::Sco},
                                       {"ScoL", &TQorGame::ScoL}};
    return f;
}

const Fields<TQorTop10>& top10Fields() {
    static const Fields<TQorTop10> f = {{"Nick", &TQorTop10::Nick},
                                        {"City", &TQorTop10::City},
                                        {"Country", &TQorTop10::Country},
                                        {"Sex", &TQorTop10::Sex},
                                        {"Rating", &TQorTop10::Rating}};
    return f;
}

const Fields<TQorRecord>& recordFields() {
    static const Fields<TQorRecord> f = {
        {"RID", &TQorRecord::RID},         {"GID", &TQorRecord::GID},
        {"Score", &TQorRecord::Score},     {"Nick", &TQorRecord::Nick},
        {"Country", &TQorRecord::Country}, {"City", &TQorRecord::City},
        {"R07", &TQorRecord::R07},         {"R08", &TQorRecord::R08},
        {"R09", &TQorRecord::R09},         {"R10", &TQorRecord::R10},
        {"Place", &TQorRecord::Place}};
    return f;
}

const Fields<TQorTable>& tableFields() {
    static const Fields<TQorTable> f = {
        {"IP", &TQorTable::IP},           {"Port", &TQorTable::Port},
        {"Free", &TQorTable::Free},       {"R1", &TQorTable::R1},
        {"R2", &TQorTable::R2},           {"Nick1", &TQorTable::Nick1},
        {"Score1", &TQorTable::Score1},   {"Kon1", &TQorTable::Kon1},
        {"Rating1", &TQorTable::Rating1}, {"Country1", &TQorTable::Country1},
        {"City1", &TQorTable::City1},     {"Sex1", &TQorTable::Sex1},
        {"IP1", &TQorTable::IP1},         {"Nick2", &TQorTable::Nick2},
        {"Score2", &TQorTable::Score2},   {"Kon2", &TQorTable::Kon2},
        {"Rating2", &TQorTable::Rating2}, {"Country2", &TQorTable::Country2},
        {"City2", &TQorTable::City2},     {"Sex2", &TQorTable::Sex2},
        {"IP2", &TQorTable::IP2}};
    return f;
}

const Fields<TQorClient>& clientFields() {
    static const Fields<TQorClient> f = {
        {"Nick", &TQorClient::Nick},       {"Score", &TQorClient::Score},
        {"Kon", &TQorClient::Kon},         {"Rating", &TQorClient::Rating},
        {"Country", &TQorClient::Country}, {"City", &TQorClient::City},
        {"Sex", &TQorClient::Sex},         {"IP", &TQorClient::IP}};
    return f;
}

std::string charText(char c) {
    return c == 0 ? std::string() : std::string(1, c);
}

template <typename R>
Json fieldsJson(const R& r, const Fields<R>& fields) {
    Json out = Json::object();
    for (const Field<R>& f : fields) {
        std::visit(
            [&](auto member) {
                using T = std::remove_reference_t<decltype(r.*member)>;
                if constexpr (std::is_same_v<T, const double>) {
                    out[f.name] = realJson(r.*member);
                } else if constexpr (std::is_same_v<T, const char>) {
                    out[f.name] = charText(r.*member);
                } else {
                    out[f.name] = r.*member;
                }
            },
            f.member);
    }
    return out;
}

}  // namespace

Json realJson(double value) {
    if (!std::isfinite(value)) return nullptr;
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return rawNumber(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

Inputs::Inputs(const Json& object) : object_(object) {
    if (!object_.is_object()) throw BadInput("--json must be an object");
}

const Json* Inputs::find(const std::string& key) {
    const auto at = object_.find(key);
    if (at == object_.end()) return nullptr;
    used_.insert(key);
    return &*at;
}

std::optional<std::string> Inputs::optionalText(const std::string& key) {
    const Json* v = find(key);
    if (v == nullptr) return std::nullopt;
    if (!v->is_string()) throw BadInput("\"" + key + "\" must be a text");
    return v->get<std::string>();
}

std::optional<int> Inputs::optionalWhole(const std::string& key) {
    const Json* v = find(key);
    if (v == nullptr) return std::nullopt;
    const auto n = wholeNumber(*v);
    if (!n || *n < std::numeric_limits<int>::min() || *n > std::numeric_limits<int>::max())
        throw BadInput("\"" + key + "\" must be a whole number");
    return static_cast<int>(*n);
}

std::string Inputs::text(const std::string& key) {
    if (auto v = optionalText(key)) return *v;
    throw BadInput("missing \"" + key + "\"");
}

int Inputs::whole(const std::string& key) {
    if (auto v = optionalWhole(key)) return *v;
    throw BadInput("missing \"" + key + "\"");
}

char Inputs::character(const std::string& key) {
    const std::string t = text(key);
    if (t.size() != 1) throw BadInput("\"" + key + "\" must be one character");
    return t[0];
}

namespace {

template <typename R>
void readFields(Inputs& in, const Fields<R>& fields, R& r, const std::set<std::string>& skip = {}) {
    for (const Field<R>& f : fields) {
        if (skip.count(f.name) != 0) continue;
        std::visit(
            [&](auto member) {
                using T = std::remove_reference_t<decltype(r.*member)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    if (auto v = in.optionalText(f.name)) r.*member = *v;
                } else if constexpr (std::is_same_v<T, double>) {
                    if (auto v = in.optionalReal(f.name)) r.*member = *v;
                } else if constexpr (std::is_same_v<T, char>) {
                    if (auto v = in.optionalText(f.name)) {
                        if (v->size() != 1)
                            throw BadInput(std::string("\"") + f.name + "\" must be one character");
                        r.*member = (*v)[0];
                    }
                } else if constexpr (std::is_same_v<T, unsigned char>) {
                    if (auto v = in.optionalWhole(f.name)) {
                        if (*v < 0 || *v > 255)
                            throw BadInput(std::string("\"") + f.name + "\" must be 0..255");
                        r.*member = static_cast<unsigned char>(*v);
                    }
                } else {
                    if (auto v = in.optionalWhole(f.name)) r.*member = *v;
                }
            },
            f.member);
    }
}

}  // namespace

std::optional<double> Inputs::optionalReal(const std::string& key) {
    const Json* v = find(key);
    if (v == nullptr) return std::nullopt;
    if (!v->is_number()) throw BadInput("\"" + key + "\" must be a number");
    return v->get<double>();
}

void Inputs::read(TQorUser& r) {
    readFields(*this, userFields(), r, {"PwC"});
}
void Inputs::read(TInfo14& r) {
    readFields(*this, infoFields(), r);
}
void Inputs::read(TQorGame& r) {
    readFields(*this, gameFields(), r);
}
void Inputs::read(TQorClient& r) {
    readFields(*this, clientFields(), r);
}

void Inputs::done() const {
    for (const auto& [key, value] : object_.items())
        if (used_.count(key) == 0) throw BadInput("unknown input \"" + key + "\"");
}

Json toJson(const TQorUser& r) {
    Json out = fieldsJson(r, userFields());
    out["Info"] = toJson(r.Info);
    return out;
}
Json toJson(const TInfo14& r) {
    return fieldsJson(r, infoFields());
}
Json toJson(const TQorGame& r) {
    return fieldsJson(r, gameFields());
}
Json toJson(const TQorTop10& r) {
    return fieldsJson(r, top10Fields());
}
Json toJson(const TQorRecord& r) {
    return fieldsJson(r, recordFields());
}
Json toJson(const TQorTable& r) {
    return fieldsJson(r, tableFields());
}
Json toJson(const TQorClient& r) {
    return fieldsJson(r, clientFields());
}

Json toJson(const TQorStat& r) {
    Json x = Json::array();
    for (const int v : r.StatX) x.push_back(v);
    return {{"GID", r.GID},     {"Stat1", r.Stat1}, {"Stat2", r.Stat2}, {"Stat3", r.Stat3},
            {"Stat4", r.Stat4}, {"StatX", x},       {"StatY", r.StatY}, {"StatZ", r.StatZ}};
}

}  // namespace tavik::cli
