// The program's pictures come from the shell's resource files: every icon draws at the
// toolbar sizes and sharply on a high-density screen, and the splash picture fills its window.

#include <gtest/gtest.h>

#include "IconChecks.h"
#include "shell/AppIcons.h"

namespace avizad {
namespace {

using testing::coverage;
using testing::expectDrawnAtEverySize;

TEST(AppIconsTest, EveryIconIsDrawnAtEverySize) {
    for (int i = 0; i < kAppIconCount; ++i) {
        SCOPED_TRACE(i);
        expectDrawnAtEverySize(AppIcons::icon(static_cast<AppIcon>(i)));
    }
}

TEST(AppIconsTest, SplashAndLogoAreDrawn) {
    const QImage splash = AppIcons::splash().toImage();
    EXPECT_EQ(splash.deviceIndependentSize().toSize(), QSize(480, 300));
    EXPECT_EQ(coverage(splash), 1.0);
    // The logo's square mark on the left, the name to its right.
    const QImage logo = AppIcons::logo(28).toImage();
    EXPECT_GT(coverage(logo.copy(0, 0, 28, 28)), 0.3);
    EXPECT_GT(coverage(logo.copy(28, 0, 84, 28)), 0.05);
}

}  // namespace
}  // namespace avizad
