// Any bytes as a quick-filter page: a page or a one-line description, never a crash.
#include "jira/JiraDocuments.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto result = JiraDocuments::decodeQuickFilterPage(body);
    if (!result.ok() && (result.error().message().isEmpty() || result.error().message().contains(u'\n')))
        std::abort();
    return 0;
}
