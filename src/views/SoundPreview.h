#pragma once

#include <QString>
#include <functional>

// Plays the sound the user just picked, so they hear what they chose; nothing is saved.
class SoundPreview
{
public:
    // Plays one of Norrid's sounds by name; libcanberra unless a test replaces it.
    std::function<void(const QString &)> play;

    SoundPreview();

    // Plays the sound at once unless it is "Default" or "None".
    void preview(const QString &name) const;
};
