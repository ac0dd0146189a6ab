// Any text as a typed site URL. The result is empty or starts with https:// in any letter case,
// never ends in "/", and normalizing it again changes nothing (unless blanks were left in front
// of the slashes that went, which the next trim takes).
#include "jira/JiraConfig.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString raw = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString once = JiraConfig::normalizeSiteURL(raw);
    if (!once.isEmpty() && !once.startsWith(QLatin1StringView("https://"), Qt::CaseInsensitive))
        std::abort();
    if (once.endsWith(u'/'))
        std::abort();
    if (!once.isEmpty() && !once.back().isSpace() && JiraConfig::normalizeSiteURL(once) != once)
        std::abort();
    return 0;
}
