#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "ui/sound/wav_file.h"

// The menu tune: the built-in MIDI song, rendered to samples with a General MIDI soundfont.
namespace fibwick {

// The built-in standard MIDI file.
QByteArray MenuTuneMidi();

// The first soundfont of the system's General MIDI soundfonts that exists; empty when none.
QString GeneralMidiSoundFont();

// Renders a standard MIDI file to 16-bit stereo samples, from the start to its end of track;
// nothing when the soundfont or the song cannot be read.
std::optional<WavClip> RenderMidi(const QByteArray& midi, const QString& soundFont);

// Where the rendered tune is kept between runs: "temp22_25" plus a check of the song in the
// folder, so a changed song is rendered afresh.
QString TuneCachePath(const QString& folder);

// The rendered tune from the cache in the folder, rendered and stored there first when the
// cache is missing or unreadable. A cache that cannot be written still gives the tune.
std::optional<WavClip> LoadMenuTune(const QString& folder);

}  // namespace fibwick
