#include "views/SoundPreview.h"

#include "notifications/CanberraSoundPlayer.h"

namespace {

void playWithCanberra(const QString &name)
{
    // Made on the first preview, so a window that never previews a sound opens no audio connection.
    static CanberraSoundPlayer player;
    player.play(name);
}

} // namespace

SoundPreview::SoundPreview() : play(&playWithCanberra) {}

void SoundPreview::preview(const QString &name) const
{
    if (name == QLatin1String("Default") || name == QLatin1String("None") || !play)
        return;
    play(name);
}
