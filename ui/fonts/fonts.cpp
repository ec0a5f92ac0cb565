#include "ui/fonts/fonts.h"

#include <QFontMetrics>
#include <QHash>
#include <QStringList>

namespace tavik::ui {

const std::vector<FontStandIn>& FontStandIns() {
    static const std::vector<FontStandIn> table = {
        {"Comic Sans MS", {"Comic Neue", "DejaVu Sans"}},
        {"FixedSys", {"Unifont", "DejaVu Sans Mono"}},
        {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
        {"Arial", {"Liberation Sans", "DejaVu Sans"}},
    };
    return table;
}

void InstallFontSubstitutions() {
    static bool done = false;
    if (done) return;
    done = true;
    for (const FontStandIn& s : FontStandIns()) {
        QStringList families;
        for (const char* f : s.families) families << QLatin1String(f);
        QFont::insertSubstitutions(QLatin1String(s.stored), families);
    }
}

QFont FontOfHeight(const std::string& name, int height, bool bold) {
    InstallFontSubstitutions();
    height = std::max(1, height);
    QFont font(QString::fromStdString(name));
    font.setBold(bold);
    if (name == "FixedSys") font.setStyleStrategy(QFont::NoAntialias);
    // A Windows font height counts the whole line; Qt's pixel size counts the em. The
    // ratio of the two belongs to the family, so it is measured once per family.
    static QHash<QString, double> lineToEm;
    const QString key = QString::fromStdString(name) + (bold ? QStringLiteral("/b") : QString());
    auto it = lineToEm.find(key);
    if (it == lineToEm.end()) {
        QFont probe = font;
        probe.setPixelSize(100);
        const int line = QFontMetrics(probe).height();
        it = lineToEm.insert(key, line > 0 ? line / 100.0 : 1.0);
    }
    font.setPixelSize(std::max(1, static_cast<int>(height / it.value() + 0.5)));
    return font;
}

QFont KindFont(const config::FontSetting& kind, int n, bool bold) {
    return FontOfHeight(kind.name, FontSize(n, kind), bold);
}

}  // namespace tavik::ui
