// The events editor's pictures come from the library's resource files: each draws as an icon
// at the toolbar sizes and as a cell picture for the grid.

#include <gtest/gtest.h>

#include "IconChecks.h"
#include "events/ui/EventIcons.h"

namespace avizad {
namespace {

using testing::coverage;
using testing::expectDrawnAtEverySize;

TEST(EventIconsTest, EveryIconIsDrawnAtEverySizeAndAsACellPicture) {
    for (int i = 0; i < kEventIconCount; ++i) {
        SCOPED_TRACE(i);
        const auto which = static_cast<EventIcon>(i);
        expectDrawnAtEverySize(EventIcons::icon(which));
        const QPixmap picture = EventIcons::picture(which);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(),
                  QSize(EventIcons::kSize, EventIcons::kSize));
        EXPECT_GT(coverage(picture.toImage()), 0.15);
    }
}

}  // namespace
}  // namespace avizad
