#include "notifications/CanberraSoundPlayer.h"

#include "BuildInfo.h"

#include "notifications/DataFiles.h"
#include "settings/SystemLog.h"

#include <QRegularExpression>
#include <canberra.h>

namespace {
constexpr const char *defaultEventId = "message-new-instant";
}

CanberraSoundPlayer::CanberraSoundPlayer() = default;

CanberraSoundPlayer::~CanberraSoundPlayer()
{
    if (m_context)
        ca_context_destroy(m_context);
}

QString CanberraSoundPlayer::soundFile(const QString &name)
{
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9 _-]*$"));
    if (!plainName.match(name).hasMatch())
        return {};
    for (const char *extension : {".oga", ".ogg", ".wav"}) {
        const QString file = DataFiles::locate(QStringLiteral("sounds/") + name + QLatin1String(extension));
        if (!file.isEmpty())
            return file;
    }
    return {};
}

void CanberraSoundPlayer::play(const QString &name)
{
    // The context connects to the sound server lazily, on the first sound actually played.
    if (!m_context) {
        if (const int error = ca_context_create(&m_context); error != CA_SUCCESS) {
            m_context = nullptr;
            SystemLog::write(QStringLiteral("notification sound failed"),
                             QString::fromUtf8(ca_strerror(error)));
            return;
        }
        ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Norrid", CA_PROP_APPLICATION_ID,
                                BuildInfo::applicationId, nullptr);
    }

    // A name without a file of ours (a setting from elsewhere) still gets an audible notification.
    const QString file = name.isEmpty() ? QString() : soundFile(name);
    int result;
    if (file.isEmpty()) {
        result = ca_context_play(m_context, 0, CA_PROP_EVENT_ID, defaultEventId, CA_PROP_EVENT_DESCRIPTION,
                                 "Ready for review", nullptr);
    } else {
        const QByteArray path = file.toUtf8();
        result = ca_context_play(m_context, 0, CA_PROP_MEDIA_FILENAME, path.constData(),
                                 CA_PROP_EVENT_DESCRIPTION, "Ready for review", nullptr);
    }
    if (result != CA_SUCCESS)
        SystemLog::write(QStringLiteral("notification sound failed"), QString::fromUtf8(ca_strerror(result)));
}
