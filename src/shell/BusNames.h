#pragma once

#include <QLatin1StringView>

// Where Norrid is found on the session bus: the desktop entry's ID as its name, the object, and
// the interface of its state and actions.
namespace BusNames {
inline constexpr QLatin1StringView service{"app.norrid.Norrid"};
inline constexpr QLatin1StringView objectPath{"/app/norrid/Norrid"};
inline constexpr QLatin1StringView interface {
    "app.norrid.Norrid1"
};
} // namespace BusNames
