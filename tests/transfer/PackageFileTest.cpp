// The package reader: the layout of both kinds and every kind of damage.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "TransferTestSupport.h"
#include "base/ByteWriter.h"
#include "transfer/PackageFile.h"

namespace caldo {
namespace {

using test::Bytes;
using Status = CPackageFile::Status;

test::PackageContents TwoSectionContents(uint32_t kind) {
    test::PackageContents pkg;
    pkg.kind = kind;
    pkg.user = test::PatternBytes(300, 1);
    pkg.gui1 = test::PatternBytes(200, 2);
    if (kind == 2) {
        pkg.gui2 = test::PatternBytes(150, 3);
    }
    pkg.sections = {test::PatternBytes(90, 4), test::PatternBytes(40, 5)};
    return pkg;
}

TEST(TransferPackageFile, ReadsKindTwoLayout) {
    const test::PackageContents pkg = TwoSectionContents(2);
    CPackageFile p;
    p.Assign(test::BuildPackage(pkg));
    ASSERT_EQ(p.Parse(), Status::Ok);
    EXPECT_EQ(p.Kind(), 2u);
    EXPECT_EQ(p.UserData().offset, 108u + 40u); // after the header area and the 2-entry table
    EXPECT_EQ(p.GuiModel1().version, 5u);
    EXPECT_EQ(p.GuiModel2().version, 6u);
    ASSERT_EQ(p.SectionCount(), 2u);
    const auto data = p.RegionData(p.UserData());
    EXPECT_EQ(Bytes(data.begin(), data.end()), pkg.user);
    const auto gui2 = p.RegionData(p.GuiModel2());
    EXPECT_EQ(Bytes(gui2.begin(), gui2.end()), pkg.gui2);
    const auto s1 = p.RegionData(p.Sections()[1]);
    EXPECT_EQ(Bytes(s1.begin(), s1.end()), pkg.sections[1]);
    uint32_t version = 0;
    ASSERT_TRUE(p.ReadU32(68, version));
    EXPECT_EQ(version, 5u);
    ASSERT_TRUE(p.ReadU32(88, version));
    EXPECT_EQ(version, 6u);
}

TEST(TransferPackageFile, ReadsKindOneLayout) {
    const test::PackageContents pkg = TwoSectionContents(1);
    const Bytes bytes = test::BuildPackage(pkg);
    // Kind 1: count and table offset at 80 and 84.
    uint32_t count = 0;
    std::memcpy(&count, bytes.data() + 80, 4);
    EXPECT_EQ(count, 2u);
    CPackageFile p;
    p.Assign(bytes);
    ASSERT_EQ(p.Parse(), Status::Ok);
    EXPECT_EQ(p.Kind(), 1u);
    EXPECT_EQ(p.GuiModel2().length, 0u);
    EXPECT_EQ(p.UserData().offset, 88u + 40u);
}

TEST(TransferPackageFile, RefusesDamage) {
    const Bytes good = test::BuildPackage(TwoSectionContents(2));
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
        Status expected;
    };
    const std::vector<Case> cases{
        {"truncated inside the header", [](Bytes& b) { b.resize(19); }, Status::Damaged},
        {"truncated inside the header area", [](Bytes& b) { b.resize(100); }, Status::Damaged},
        {"truncated inside the last region", [](Bytes& b) { b.pop_back(); }, Status::Damaged},
        {"user data beyond the end", [](Bytes& b) { balsar::WriteAt(b, 20, 0xFFFFFF00u, 4); },
         Status::Damaged},
        {"length wraps the offset", [](Bytes& b) { balsar::WriteAt(b, 24, 0xFFFFFFFFu, 4); },
         Status::Damaged},
        {"length does not match the data", [](Bytes& b) { balsar::WriteAt(b, 24, 299, 4); }, Status::Damaged},
        {"GUI checksum wrong", [](Bytes& b) { b[b.size() - 200] ^= 1; }, Status::Damaged},
        {"section table outside",
         [](Bytes& b) { balsar::WriteAt(b, 104, static_cast<uint32_t>(b.size()), 4); }, Status::Damaged},
        {"huge section count", [](Bytes& b) { balsar::WriteAt(b, 100, 0xFFFFFFFFu, 4); }, Status::Damaged},
        {"section beyond the end", [](Bytes& b) { balsar::WriteAt(b, 108, 0x7FFFFFFFu, 4); },
         Status::Damaged},
        {"kind 3", [](Bytes& b) { balsar::WriteAt(b, 16, 3, 4); }, Status::UnknownKind},
        {"kind 0", [](Bytes& b) { balsar::WriteAt(b, 16, 0, 4); }, Status::UnknownKind},
    };
    for (const Case& c : cases) {
        Bytes bytes = good;
        c.damage(bytes);
        CPackageFile p;
        p.Assign(bytes);
        EXPECT_EQ(p.Parse(), c.expected) << c.what;
        EXPECT_TRUE(p.RegionData(p.UserData()).empty()) << c.what;
    }
}

TEST(TransferPackageFile, ZeroLengthSectionsAreSkippedNotChecked) {
    test::PackageContents pkg = TwoSectionContents(2);
    pkg.sections[0].clear();
    Bytes bytes = test::BuildPackage(pkg);
    balsar::WriteAt(bytes, 108, 0xFFFFFFF0u, 4); // offset of the empty section points nowhere
    CPackageFile p;
    p.Assign(bytes);
    EXPECT_EQ(p.Parse(), Status::Ok);
}

TEST(TransferPackageFile, LoadReportsMissingFile) {
    test::TempDir dir;
    CPackageFile p;
    EXPECT_EQ(p.Load(dir.Path() / "missing.qk"), Status::CannotOpen);
    EXPECT_EQ(p.Load(dir.Path()), Status::CannotOpen);
    test::WriteFile(dir.Path() / "p.qk", test::BuildPackage(TwoSectionContents(2)));
    EXPECT_EQ(p.Load(dir.Path() / "p.qk"), Status::Ok);
    EXPECT_EQ(p.Parse(), Status::Ok);
}

} // namespace
} // namespace caldo
