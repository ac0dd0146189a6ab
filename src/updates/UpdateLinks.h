#pragma once

#include <QUrl>

// The one rule for every address an update gives: the updater downloads from, follows redirects to,
// opens and lets the window load only https links with a host.
namespace UpdateLinks {

inline bool isHttps(const QUrl &url)
{
    return url.isValid() && url.scheme() == u"https" && !url.host().isEmpty();
}

} // namespace UpdateLinks
