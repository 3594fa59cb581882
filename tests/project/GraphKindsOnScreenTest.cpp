// The event list, ASCII string, bar, trend and picture kinds on a screen:
// numbering, the project file and the legacy XML screen loader.
#include <gtest/gtest.h>

#include "base/Archive.h"
#include "elements/CAsciiGE.h"
#include "elements/CBarGE.h"
#include "elements/CEventListGE.h"
#include "elements/CPictureGE.h"
#include "elements/CTrendGE.h"
#include "elements/ElementFactory.h"
#include "project/CMirloProject.h"
#include "project/CoreClasses.h"

namespace balsar {
namespace {

TEST(GraphKindsOnScreen, NumberedSavedAndReloaded) {
    CMirloProject project;
    auto screen = std::make_unique<CHMIFrame>();
    auto list = std::make_unique<CEventListGE>();
    list->CoverScreen(128, 64);
    list->showDate = 1;
    screen->AddElement(std::move(list));
    auto ascii = std::make_unique<CAsciiGE>();
    ascii->SetCharCount(5);
    screen->AddElement(std::move(ascii));
    auto bar = std::make_unique<CBarGE>();
    bar->SetWidth(16);
    bar->SetHeight(48);
    bar->ChangeDirection(CBarGE::DIR_RIGHT);
    screen->AddElement(std::move(bar));
    screen->AddElement(std::make_unique<CTrendGE>());
    screen->AddElement(std::make_unique<CTrendGE>());
    screen->AddElement(std::make_unique<CPictureGE>());
    project.AddScreen(std::move(screen));

    Archive out;
    project.Serialize(out);
    Archive in(out.Data(), CoreClassRegistry());
    CMirloProject reloaded;
    reloaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    const auto& elements = reloaded.Screens().front()->GetElements();
    ASSERT_EQ(elements.size(), 6u);
    std::vector<std::string> names;
    for (const auto& element : elements) {
        names.push_back(element->GetName());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"EV0", "ASCII0", "BAR0", "TREND0", "TREND1", "PIC0"}));
    EXPECT_EQ(dynamic_cast<const CEventListGE&>(*elements[0]).showDate, 1);
    EXPECT_EQ(dynamic_cast<const CAsciiGE&>(*elements[1]).GetCharCount(), 5);
    EXPECT_EQ(dynamic_cast<const CBarGE&>(*elements[2]).GetDirection(), CBarGE::DIR_RIGHT);
    EXPECT_EQ(elements[2]->GetWidth(), 48);
    EXPECT_EQ(reloaded.Screens().front()->CountTrends(), 2);
}

TEST(GraphKindsOnScreen, LegacyTypeNamesCreateTheirKinds) {
    EXPECT_NE(dynamic_cast<CBarGE*>(CreateElementForXmlType("Bar").get()), nullptr);
    EXPECT_NE(dynamic_cast<CTrendGE*>(CreateElementForXmlType("Trend").get()), nullptr);
    EXPECT_NE(dynamic_cast<CPictureGE*>(CreateElementForXmlType("Picture").get()), nullptr);
    // The trend data buffer is not placed by the screen loader.
    EXPECT_EQ(CreateElementForXmlType("Cache"), nullptr);
}

} // namespace
} // namespace balsar
