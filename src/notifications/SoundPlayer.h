#pragma once

#include <QString>

// Plays the sound of a notification. Norrid plays its sounds itself, since many notification
// servers play none.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    // An empty name is the desktop's default notification sound; any other name is one of
    // Norrid's own sound files.
    virtual void play(const QString &name) = 0;
};
