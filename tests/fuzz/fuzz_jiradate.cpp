// Any text as a Jira timestamp. A parse must give a valid instant, and formatting that instant
// back in the basic pattern must parse to the same instant.
#include "jira/JiraDate.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto parsed = JiraDate::parse(text);
    if (!parsed)
        return 0;
    if (!parsed->isValid())
        std::abort();
    const QString again =
        parsed->toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) + QStringLiteral("+0000");
    if (JiraDate::parse(again) != parsed)
        std::abort();
    return 0;
}
