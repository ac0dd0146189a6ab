#pragma once

#include "notifications/SoundPlayer.h"

#include <QStringList>

// Records the sounds it is asked to play; the test machine has no audio device to play them on.
class RecordingSoundPlayer : public SoundPlayer
{
public:
    void play(const QString &name) override { played.append(name); }

    QStringList played;
};
