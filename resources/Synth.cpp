#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr double tau = 6.283185307179586;

// Rises from 0 to 1 along half a cosine: no corner, so no click.
double smoothRamp(double t) { return t <= 0 ? 0 : (t >= 1 ? 1 : 0.5 - 0.5 * std::cos(t * tau / 2)); }

}  // namespace

Track::Track(int sampleRate, float seconds)
    : rate(sampleRate), mix(static_cast<size_t>(std::lround(seconds * sampleRate)), 0.0f) {}

void Track::addNote(const Note& note) {
    const size_t first = static_cast<size_t>(std::lround(note.start * rate));
    const size_t count = static_cast<size_t>(std::lround(note.length * rate));
    const double endFrequency = note.endFrequency > 0 ? note.endFrequency : note.frequency;
    std::vector<double> phases(note.partials.size(), 0.0);
    for (size_t i = 0; i < count && first + i < mix.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double progress = t / note.length;
        double frequency = note.frequency * std::pow(endFrequency / note.frequency, progress);
        frequency *= 1 + note.vibratoDepth * std::sin(tau * note.vibratoRate * t);
        const double envelope = note.gain * smoothRamp(t / note.attack) * smoothRamp((note.length - t) / note.release);
        double value = 0;
        for (size_t p = 0; p < note.partials.size(); ++p) {
            const Partial& partial = note.partials[p];
            const double partialFrequency = frequency * partial.ratio;
            // Partials above the audible band of this sample rate would fold back as noise.
            if (partialFrequency < rate * 0.45)
                value += partial.amplitude * std::exp(-partial.decay * t) * std::sin(phases[p]);
            phases[p] = std::fmod(phases[p] + tau * partialFrequency / rate, tau);
        }
        mix[first + i] += static_cast<float>(envelope * value);
    }
}

void Track::addNoise(float start, float length, float gain, float cutoff, float decay, uint32_t seed) {
    const size_t first = static_cast<size_t>(std::lround(start * rate));
    const size_t count = static_cast<size_t>(std::lround(length * rate));
    const double smoothing = 1 - std::exp(-tau * cutoff / rate);
    double filtered = 0;
    uint32_t state = seed;
    for (size_t i = 0; i < count && first + i < mix.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = static_cast<double>(state >> 8) / (1 << 24) * 2 - 1;
        filtered += smoothing * (white - filtered);
        const double t = static_cast<double>(i) / rate;
        mix[first + i] += static_cast<float>(gain * filtered * std::exp(-decay * t) * smoothRamp(t / 0.001));
    }
}

std::vector<int16_t> Track::finish(float peak, float fadeIn, float fadeOut) const {
    float loudest = 0;
    for (float v : mix) loudest = std::max(loudest, std::fabs(v));
    const double scale = loudest > 0 ? peak / loudest : 0;
    const double last = static_cast<double>(mix.size() - 1);
    std::vector<int16_t> samples;
    samples.reserve(mix.size());
    for (size_t i = 0; i < mix.size(); ++i) {
        const double t = static_cast<double>(i) / rate, remaining = (last - static_cast<double>(i)) / rate;
        const double fade = smoothRamp(t / fadeIn) * smoothRamp(remaining / fadeOut);
        samples.push_back(static_cast<int16_t>(std::lround(mix[i] * scale * fade * 32767)));
    }
    return samples;
}

}  // namespace art
