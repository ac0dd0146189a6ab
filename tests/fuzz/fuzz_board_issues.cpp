// Any bytes as a board issues body: the decoder returns a list or a one-line description, never
// crashes, and every decoded issue converts.
#include "jira/JiraDocuments.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto result = JiraDocuments::decodeBoardIssues(body);
    if (result.ok()) {
        for (const RawIssue &raw : result.value().issues)
            (void)raw.toReviewIssue();
    } else if (result.error().message().isEmpty() || result.error().message().contains(u'\n')) {
        std::abort();
    }
    return 0;
}
