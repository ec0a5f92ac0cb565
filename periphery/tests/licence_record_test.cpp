#include "periphery/licence_record.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tavik::periphery {
namespace {

namespace fs = std::filesystem;

// The shape of a machine-readable Debian copyright file of a font package.
constexpr std::string_view kMachineReadable =
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "Upstream-Name: Comic Neue\n"
    "\n"
    "Files: debian/*\n"
    "Copyright: 2017 A Packager\n"
    "License: GPL-2+\n"
    "\n"
    "Files: *\n"
    "Copyright: 2014-2016 Craig Rozynski\n"
    " 2014 Hrant Papazian\n"
    "License: SIL-OFL-1.1\n"
    " The full text follows\n"
    " License: not a field, part of the text\n"
    "\n"
    "License: GPL-2+\n"
    " On Debian systems ...\n";

TEST(LicenceRecord, MachineReadableFilesTakeTheStanzaOfAllFiles) {
    const CopyrightSummary s = SummariseDebianCopyright(kMachineReadable);
    EXPECT_EQ(s.licence, "SIL-OFL-1.1");
    EXPECT_EQ(s.copyright, "2014-2016 Craig Rozynski");
}

TEST(LicenceRecord, WithoutAStanzaForAllFilesEveryUpstreamLicenceCounts) {
    const CopyrightSummary s = SummariseDebianCopyright(
        "Format: x\n\nFiles: fonts/*.ttf\nCopyright: 2003 Bitstream\nLicence-Note: -\n"
        "License: bitstream-vera\n\nFiles: fonts/extra/*\r\nCopyright: 2006 DejaVu\r\n"
        "License: public-domain\r\n\nFiles: fonts/more/*\nLicense: bitstream-vera\n\n"
        "Files: debian/*\nLicense: GPL-2+\n");
    EXPECT_EQ(s.licence, "bitstream-vera, public-domain");
    EXPECT_EQ(s.copyright, "2003 Bitstream");
}

TEST(LicenceRecord, TheOlderFreeFormatGivesItsCopyrightLineOnly) {
    const CopyrightSummary s = SummariseDebianCopyright(
        "This package was debianized by someone.\n\nCopyright: (C) 2007 Red Hat, Inc.\n\n"
        "License:\n\n This agreement governs the use of the Software\n");
    EXPECT_EQ(s.licence, "");
    EXPECT_EQ(s.copyright, "(C) 2007 Red Hat, Inc.");
}

TEST(LicenceRecord, APackageThatIsNotInstalledSaysSo) {
    const fs::path root = fs::path(testing::TempDir()) / "licence-doc";
    fs::remove_all(root);
    fs::create_directories(root / "fonts-comic-neue");
    std::ofstream(root / "fonts-comic-neue" / "copyright") << kMachineReadable;

    const LicenceRecord there =
        ReadPackageLicence(root.string(), "fonts-comic-neue", "Comic Neue (for Comic Sans MS)");
    EXPECT_TRUE(there.installed);
    EXPECT_EQ(there.licence, "SIL-OFL-1.1");
    EXPECT_EQ(there.fullText, (root / "fonts-comic-neue" / "copyright").string());
    EXPECT_EQ(there.name, "Comic Neue (for Comic Sans MS)");

    const LicenceRecord missing = ReadPackageLicence(root.string(), "fonts-unifont", "Unifont");
    EXPECT_FALSE(missing.installed);
    EXPECT_TRUE(missing.licence.empty());
    EXPECT_TRUE(missing.fullText.empty());
    EXPECT_EQ(missing.package, "fonts-unifont");
}

}  // namespace
}  // namespace tavik::periphery
