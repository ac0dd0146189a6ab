#include "shell/SymbolNames.h"

#include <array>
#include <utility>

namespace SymbolNames {
namespace {

// Names on the left are the ones the views and the tray use; files are Tabler icons, "-filled" being
// the set's filled variant where the symbol is a filled one.
constexpr std::array<std::pair<const char *, const char *>, 11> table{{
    {"checklist", "list-check"},
    {"exclamationmark.triangle", "alert-triangle"},
    {"rectangle.grid.2x2", "layout-grid"},
    {"arrow.clockwise", "refresh"},
    {"gearshape", "settings"},
    {"checkmark.circle", "circle-check"},
    {"arrow.down.circle.fill", "circle-arrow-down-filled"},
    {"bell.slash.fill", "bell-off"},
    {"arrow.up.right", "arrow-up-right"},
    {"checkmark.circle.fill", "circle-check-filled"},
    {"xmark.circle.fill", "circle-x-filled"},
}};

} // namespace

QString resourcePath(const QString &symbolName)
{
    for (const auto &[name, file] : table) {
        if (symbolName == QLatin1String(name))
            return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(file));
    }
    return {};
}

QStringList symbolNames()
{
    QStringList names;
    names.reserve(qsizetype(table.size()));
    for (const auto &entry : table)
        names.append(QLatin1String(entry.first));
    return names;
}

} // namespace SymbolNames
