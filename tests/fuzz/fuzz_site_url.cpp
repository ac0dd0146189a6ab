// Any text as a typed or pasted site URL. The normalised text is empty, starts with https:// in any
// letter case, or keeps another scheme for the site to be refused; it never ends in "/", and
// normalizing it again changes nothing (unless blanks were left in front of the slashes that went,
// which the next trim takes). A site that is not refused has an https origin with a host and neither
// a user part nor a path, and a context path that is empty on Cloud and never ends in "/". A board
// read from the text is a number.
#include "jira/BoardAddress.h"
#include "jira/JiraConfig.h"
#include "jira/JiraSite.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString raw = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString once = JiraConfig::normalizeSiteURL(raw);
    if (once.endsWith(u'/'))
        std::abort();
    if (!once.isEmpty() && !once.back().isSpace() && JiraConfig::normalizeSiteURL(once) != once)
        std::abort();
    const JiraSite site = JiraSite::read(once);
    if (site.isValid()) {
        const QUrl &origin = site.origin();
        if (!once.startsWith(QLatin1StringView("https://"), Qt::CaseInsensitive) || once.contains(u'@') ||
            origin.scheme() != u"https" || origin.host().isEmpty() || !origin.userInfo().isEmpty() ||
            !origin.path().isEmpty() || site.path().endsWith(u'/') ||
            (site.isCloud() && !site.path().isEmpty()))
            std::abort();
    }
    if (const auto board = BoardAddress::boardId(raw)) {
        if (board->isEmpty() ||
            !std::all_of(board->begin(), board->end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            std::abort();
    }
    return 0;
}
