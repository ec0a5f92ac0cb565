#include "ui/options/window_size_choices.h"

#include <gtest/gtest.h>

namespace tavik::ui {
namespace {

TEST(WindowSizeChoices, OnlySizesThatFitTheScreenAreOffered) {
    struct Case {
        int width, height;
        std::vector<int> sizes;
    };
    for (const Case& c : {Case{1280, 1024, {1, 2, 3}}, Case{1920, 1080, {1, 2, 3, 4, 5}},
                          Case{1520, 1020, {1, 2, 3, 4, 5}}, Case{1519, 1200, {1, 2, 3, 4}},
                          Case{1600, 1019, {1, 2, 3, 4}}, Case{1290, 870, {1, 2, 3, 4}},
                          Case{1289, 900, {1, 2, 3}}, Case{990, 670, {1, 2, 3}},
                          Case{989, 700, {1, 2}}, Case{1000, 669, {1, 2}}, Case{640, 480, {1, 2}}})
        EXPECT_EQ(WindowSizeChoices(c.width, c.height), c.sizes) << c.width << " x " << c.height;
}

}  // namespace
}  // namespace tavik::ui
