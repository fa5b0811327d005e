#pragma once

#include <chrono>
#include <optional>
#include <vector>

namespace tivak::test {

// What a sound server's output carried over a stretch of time, as mono samples from -1 to 1,
// with the means to tell how loud it was, which tones it held and where it fell silent.
// Times are seconds from the start of the recording; levels are dB relative to full scale.
class SoundRecording
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int sampleRate = 48000;
    // Levels and tones are measured over windows of 20 ms: whole periods of every tone that is a
    // multiple of 50 Hz, so that two such tones never leak into each other's measure.
    static constexpr double window = 0.02;
    static constexpr double silenceDb = -60.0;

    SoundRecording() = default;
    SoundRecording(std::vector<float> samples, Clock::time_point start);

    double duration() const;
    const std::vector<float> &samples() const { return samples_; }
    // Where in the recording a moment of the steady clock lies, to within the sound server's
    // block of mixing (some 5 to 20 ms, earlier rather than later).
    double secondsAt(Clock::time_point moment) const;

    // Root mean square level of everything, and of the one tone, between two times.
    double levelDb(double from, double to) const;
    double toneDb(double hertz, double from, double to) const;

    // The first sample after from that is louder than silence, or than the given level (a peak
    // level, to pick out a loud sound over a quieter one).
    std::optional<double> firstSound(double from = 0.0, double aboveDb = silenceDb) const;
    // The times at which the tone rises above the level, window by window.
    std::vector<double> toneOnsets(double hertz, double aboveDb, double from = 0.0) const;
    // The longest run of silent windows between two times, in seconds.
    double longestSilence(double from, double to) const;

private:
    std::size_t sampleAt(double seconds) const;

    std::vector<float> samples_;
    Clock::time_point start_{};
};

} // namespace tivak::test
