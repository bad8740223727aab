#pragma once

#include <QString>

class SoundPlayer;

// Plays the game's sounds. Before each sound it lets pending paints and timers run, so the
// screen is current when the sound starts; user input waits until the move is finished.
class clsSound {
public:
    explicit clsSound(SoundPlayer& player) : mPlayer(player) {}
    void Play(const QString& strSound);

private:
    SoundPlayer& mPlayer;
};
