#include "shell/zoom_steps.h"

#include <algorithm>

namespace tabrix {

int StartZoom(std::optional<int> remembered, const QSize& available, const std::function<QSize(int)>& windowAt) {
    int highest = 200;
    int allowedHeight = available.height() * 2 / 3;
    if (remembered) {
        const bool known = std::find(kZoomSteps.begin(), kZoomSteps.end(), *remembered) != kZoomSteps.end();
        highest = known ? *remembered : 100;
        allowedHeight = available.height();
    }
    int chosen = kZoomSteps.front();
    for (const int step : kZoomSteps) {
        if (step > highest) break;
        const QSize window = windowAt(step);
        if (window.width() <= available.width() && window.height() <= allowedHeight) chosen = step;
    }
    return chosen;
}

}  // namespace tabrix
