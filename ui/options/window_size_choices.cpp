#include "ui/options/window_size_choices.h"

namespace tavik::ui {

std::vector<int> WindowSizeChoices(int screenWidth, int screenHeight) {
    struct Need {
        int size, width, height;
    };
    std::vector<int> sizes;
    for (const Need n : {Need{1, 0, 0}, Need{2, 0, 0}, Need{3, 990, 670}, Need{4, 1290, 870},
                         Need{5, 1520, 1020}})
        if (screenWidth >= n.width && screenHeight >= n.height) sizes.push_back(n.size);
    return sizes;
}

words::WordKey WindowSizeWord(int windowSize) {
    switch (windowSize) {
        case 2: return words::key::FullScreen;
        case 3: return words::key::AverageWindow1;
        case 4: return words::key::AverageWindow2;
        case 5: return words::key::LargeWindow;
        default: return words::key::SmallWindow;
    }
}

}  // namespace tavik::ui
