#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class SettingsEdit;

// Everything the game keeps in the settings store, in one table: where each item lives, what
// it reads as when nothing is stored, and how a switch is spelled. Files that earlier versions
// wrote read as they always have.
namespace Stored {

enum class Key {
    // switches
    Sounds,
    Shapes,
    RememberGame,
    // a percentage
    Zoom,
    // the game kept for the next start, in the form of KeptGame.h
    GameBoard,
    GameNext,
    GameScore,
};

struct Item {
    QString section;
    QString key;
    QString absent; // what the item reads as when it is not stored
};

Item Of(Key key);
// A rank of the High Score table, 1 to 10: its player's name, and its score.
Item Name(int32_t rank);
Item Score(int32_t rank);

// A switch (Sounds, Shapes, RememberGame) as stored, and as read back: Sounds is on only for
// "on" and the others only for "True", in any letter case.
QString Spelling(Key key, bool on);
bool IsOn(Key key, const QString& value);

// Reads and changes the game's store in one step, under the lock every writer takes (see
// EditSettings). Every save works on all the game's sections; the file's others are kept.
bool Edit(const std::function<void(SettingsEdit&)>& edit);

// One item of the game's own store. An item removed reads as absent.
QString Read(const Item& item);
// Reads items together, from the file as it stood at one moment: read gets each through get,
// and a save by another game lands before them all or after them all.
using Get = std::function<QString(const Item& item)>;
void ReadTogether(const std::function<void(const Get&)>& read);
bool Write(const Item& item, const QString& value);
bool Remove(const Item& item);
inline QString Read(Key key) {
    return Read(Of(key));
}
inline bool Write(Key key, const QString& value) {
    return Write(Of(key), value);
}
inline bool ReadSwitch(Key key) {
    return IsOn(key, Read(key));
}
inline bool WriteSwitch(Key key, bool on) {
    return Write(key, Spelling(key, on));
}

} // namespace Stored
