#pragma once

#include <QString>
#include <QStringList>

// The one table from the symbol names the application uses ("checklist", "gearshape", …) to the icon
// files bundled under :/icons/.
namespace SymbolNames {

// The resource path of the symbol's SVG, such as ":/icons/list-check.svg"; empty for an unknown name.
QString resourcePath(const QString &symbolName);

// Every symbol name the table knows, in a fixed order.
QStringList symbolNames();

} // namespace SymbolNames
