#pragma once

#include <QString>
#include <vector>

namespace tivak::test {

// One stretch of a test clip: a sine of the given frequency, at half of full scale.
struct Tone
{
    double hertz = 0.0;
    double seconds = 0.0;
};

// Writes the tones one after the other as AAC sound in an MPEG-4 file (with ffmpeg), with a small
// video track as well when asked, as an intro has. False when the file could not be made.
bool writeToneClip(const QString &path, const std::vector<Tone> &tones, bool withVideo = false);

} // namespace tivak::test
