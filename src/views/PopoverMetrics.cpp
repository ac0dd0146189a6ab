#include "views/PopoverMetrics.h"

#include <algorithm>

namespace PopoverMetrics {

double height(int issueCount, bool showsWarning, bool showsUpdate)
{
    double mainArea = messageAreaHeight;
    if (issueCount > 0) {
        mainArea = rowHeight * std::min(issueCount, fullRows);
        // Part of the sixth row shows, so the list visibly scrolls.
        if (issueCount > fullRows)
            mainArea += rowHeight / 2;
    }
    const double banner = dividerHeight + bannerHeight;
    return headerHeight + dividerHeight + mainArea + (showsUpdate ? banner : 0) +
           (showsWarning ? banner : 0) + dividerHeight + footerHeight;
}

} // namespace PopoverMetrics
