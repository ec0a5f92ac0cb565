#include "periphery/licence_record.h"

#include <algorithm>

#include "core/files/atomic_file.h"

namespace tavik::periphery {
namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The value of a "Field: value" line, when the line starts with that field.
bool fieldValue(std::string_view line, std::string_view field, std::string_view& value) {
    if (line.size() < field.size() + 1 || line.substr(0, field.size()) != field ||
        line[field.size()] != ':')
        return false;
    value = trimmed(line.substr(field.size() + 1));
    return true;
}

struct Stanza {
    std::string_view files, licence, copyright;
};

void addOnce(std::vector<std::string>& list, std::string_view item) {
    if (!item.empty() && std::find(list.begin(), list.end(), item) == list.end())
        list.emplace_back(item);
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) out += (out.empty() ? "" : ", ") + item;
    return out;
}

}  // namespace

CopyrightSummary SummariseDebianCopyright(std::string_view text) {
    std::vector<Stanza> stanzas(1);
    bool machineReadable = false;
    for (std::string_view line : linesOf(text)) {
        if (trimmed(line).empty()) {
            if (!stanzas.back().files.empty() || !stanzas.back().licence.empty())
                stanzas.emplace_back();
            continue;
        }
        if (line.front() == ' ' || line.front() == '\t') continue;  // a continuation
        std::string_view value;
        Stanza& s = stanzas.back();
        if (fieldValue(line, "Format", value)) machineReadable = true;
        if (fieldValue(line, "Files", value)) {
            machineReadable = true;
            s.files = value;
        } else if (fieldValue(line, "License", value) && s.licence.empty()) {
            s.licence = value;
        } else if (fieldValue(line, "Copyright", value) && s.copyright.empty()) {
            s.copyright = value;
        }
    }
    CopyrightSummary summary;
    if (!machineReadable) {
        for (const Stanza& s : stanzas)
            if (summary.copyright.empty()) summary.copyright = std::string(s.copyright);
        return summary;
    }
    auto isAll = [](const Stanza& s) { return s.files == "*" || s.files.substr(0, 2) == "* "; };
    const bool hasAll = std::any_of(stanzas.begin(), stanzas.end(), isAll);
    std::vector<std::string> licences;
    for (const Stanza& s : stanzas) {
        if (s.files.empty()) continue;  // the header or a stand-alone licence text
        if (hasAll ? !isAll(s) : s.files.substr(0, 7) == "debian/") continue;
        addOnce(licences, s.licence);
        if (summary.copyright.empty()) summary.copyright = std::string(s.copyright);
    }
    summary.licence = joined(licences);
    return summary;
}

LicenceRecord ReadPackageLicence(const std::string& docRoot, const std::string& package,
                                 const std::string& name) {
    LicenceRecord record;
    record.name = name;
    record.package = package;
    const std::string path = docRoot + "/" + package + "/copyright";
    const files::Result<std::string> text = files::readFile(path);
    if (!text.ok()) return record;
    const CopyrightSummary summary = SummariseDebianCopyright(*text);
    record.licence = summary.licence;
    record.copyright = summary.copyright;
    record.fullText = path;
    record.installed = true;
    return record;
}

}  // namespace tavik::periphery
