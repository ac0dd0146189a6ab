#pragma once

// The popover's fixed sizes, in device-independent pixels. The popover window does not size to its
// content, so its host sets the height from height() whenever the count or a banner changes.
namespace PopoverMetrics {

inline constexpr double width = 360;
inline constexpr double headerHeight = 58;
inline constexpr double rowHeight = 68;
inline constexpr double bannerHeight = 34;
inline constexpr double footerHeight = 40;
inline constexpr double dividerHeight = 1;
// The main area when it shows no card list (setup, loading, error or empty view).
inline constexpr double messageAreaHeight = 200;
// Rows shown in full before the list scrolls; half of the next row peeks out below them.
inline constexpr int fullRows = 5;

// The height for issueCount cards and the optional notification warning and update banners.
double height(int issueCount, bool showsWarning, bool showsUpdate);

} // namespace PopoverMetrics
