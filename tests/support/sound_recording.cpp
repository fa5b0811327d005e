#include "sound_recording.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tivak::test {
namespace {

constexpr double toDb(double rms)
{
    return rms > 0.0 ? 20.0 * std::log10(rms) : -200.0;
}

} // namespace

SoundRecording::SoundRecording(std::vector<float> samples, Clock::time_point start)
    : samples_(std::move(samples)), start_(start)
{}

double SoundRecording::duration() const
{
    return double(samples_.size()) / sampleRate;
}

double SoundRecording::secondsAt(Clock::time_point moment) const
{
    return std::chrono::duration<double>(moment - start_).count();
}

std::size_t SoundRecording::sampleAt(double seconds) const
{
    const double index = std::clamp(seconds * sampleRate, 0.0, double(samples_.size()));
    return std::size_t(index);
}

double SoundRecording::levelDb(double from, double to) const
{
    const std::size_t begin = sampleAt(from);
    const std::size_t end = sampleAt(to);
    if (end <= begin)
        return toDb(0.0);
    double energy = 0.0;
    for (std::size_t i = begin; i < end; ++i)
        energy += double(samples_[i]) * samples_[i];
    return toDb(std::sqrt(energy / double(end - begin)));
}

// The amplitude of the tone's component over whole windows (a Goertzel filter per window),
// as the level of a sine of that amplitude.
double SoundRecording::toneDb(double hertz, double from, double to) const
{
    const std::size_t windowSamples = std::size_t(window * sampleRate);
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * hertz / sampleRate);
    double power = 0.0;
    std::size_t windows = 0;
    for (std::size_t begin = sampleAt(from); begin + windowSamples <= sampleAt(to);
         begin += windowSamples, ++windows) {
        double previous = 0.0, beforePrevious = 0.0;
        for (std::size_t i = begin; i < begin + windowSamples; ++i) {
            const double current = samples_[i] + coefficient * previous - beforePrevious;
            beforePrevious = previous;
            previous = current;
        }
        power += previous * previous + beforePrevious * beforePrevious -
                 coefficient * previous * beforePrevious;
    }
    if (windows == 0)
        return toDb(0.0);
    const double amplitude = 2.0 * std::sqrt(power / double(windows)) / double(windowSamples);
    return toDb(amplitude / std::numbers::sqrt2);
}

std::optional<double> SoundRecording::firstSound(double from, double aboveDb) const
{
    const float threshold = float(std::pow(10.0, aboveDb / 20.0));
    const auto begin = samples_.begin() + std::ptrdiff_t(sampleAt(from));
    const auto loud = std::find_if(
        begin, samples_.end(), [threshold](float sample) { return std::abs(sample) > threshold; });
    if (loud == samples_.end())
        return std::nullopt;
    return double(loud - samples_.begin()) / sampleRate;
}

std::vector<double> SoundRecording::toneOnsets(double hertz, double aboveDb, double from) const
{
    std::vector<double> onsets;
    bool sounding = false;
    for (double at = from; at + window <= duration(); at += window / 2) {
        const bool loud = toneDb(hertz, at, at + window) > aboveDb;
        if (loud && !sounding)
            onsets.push_back(at);
        sounding = loud;
    }
    return onsets;
}

double SoundRecording::longestSilence(double from, double to) const
{
    double longest = 0.0;
    std::optional<double> silentSince;
    for (double at = from; at + window <= to; at += window / 4) {
        if (levelDb(at, at + window) > silenceDb) {
            silentSince.reset();
            continue;
        }
        if (!silentSince)
            silentSince = at;
        longest = std::max(longest, at + window - *silentSince);
    }
    return longest;
}

} // namespace tivak::test
