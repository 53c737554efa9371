#pragma once
// End-to-end tests need the installed Java ME toolkit. Without it they skip, so a build
// without the toolkit still runs the rest; CI sets AVIZAD_REQUIRE_TOOLKIT=1, and there a
// missing toolkit fails the test instead of passing it unseen.

#include <gtest/gtest.h>

#include <cstdlib>

#define AVIZAD_SKIP_WITHOUT_TOOLKIT(what)                   \
    if (std::getenv("AVIZAD_REQUIRE_TOOLKIT") != nullptr) { \
        GTEST_FAIL() << "not installed: " << (what);        \
    } else                                                  \
        GTEST_SKIP() << "not installed: " << (what)
