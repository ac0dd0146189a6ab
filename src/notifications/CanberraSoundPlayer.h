#pragma once

#include "notifications/SoundPlayer.h"

#include <QString>

struct ca_context;

// Plays notification sounds through libcanberra: the sound theme's "message-new-instant" for the
// default sound, and Norrid's own files for the named ones.
class CanberraSoundPlayer : public SoundPlayer
{
public:
    CanberraSoundPlayer();
    ~CanberraSoundPlayer() override;
    CanberraSoundPlayer(const CanberraSoundPlayer &) = delete;
    CanberraSoundPlayer &operator=(const CanberraSoundPlayer &) = delete;

    void play(const QString &name) override;

    // The file of a named sound, or an empty text for a name Norrid ships no file for. Names are
    // plain words: anything that could reach outside the sounds folder has no file.
    static QString soundFile(const QString &name);

private:
    ca_context *m_context = nullptr;
};
