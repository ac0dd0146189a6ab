// Feeds arbitrary bytes to the appcast parser, as a hostile or broken feed server could, and checks
// what the rest of Norrid relies on: no crash, only absolute http(s) links, and a version order
// that does not depend on the side a version is on.
#include "updates/AppcastParser.h"
#include "updates/VersionComparator.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

void checkLink(const QUrl &url)
{
    if (url.isEmpty())
        return;
    if ((url.scheme() != u"https" && url.scheme() != u"http") || url.host().isEmpty())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray document(reinterpret_cast<const char *>(data), qsizetype(size));
    const AppcastParser::Result result =
        AppcastParser::parse(document, QUrl(QStringLiteral("https://updates.example/norrid/appcast.xml")));
    if (result.error && !result.items.isEmpty())
        std::abort();
    for (const AppcastItem &item : result.items) {
        if (item.version.isEmpty() || item.displayVersion.isEmpty())
            std::abort();
        checkLink(item.releaseNotesURL);
        checkLink(item.fullReleaseNotesURL);
        checkLink(item.infoURL);
        checkLink(item.downloadURL);
        item.isCriticalFor(QStringLiteral("1.0"));
        item.isInformationalFor(QStringLiteral("1.0"));
    }
    if (const std::optional<AppcastItem> newest = AppcastParser::newest(result.items)) {
        for (const AppcastItem &item : result.items) {
            if (VersionComparator::compare(item.version, newest->version) > 0)
                std::abort();
        }
    }

    // The raw bytes as two versions, split at the first newline.
    const QString text = QString::fromUtf8(document);
    const qsizetype newline = text.indexOf(u'\n');
    const QString a = newline < 0 ? text : text.left(newline);
    const QString b = newline < 0 ? QString() : text.mid(newline + 1);
    if (VersionComparator::compare(a, b) != -VersionComparator::compare(b, a) ||
        VersionComparator::compare(a, a) != 0)
        std::abort();
    return 0;
}
