#pragma once
// A small additive synthesiser for the game's sound effects: notes made of partials (sine waves at
// multiples of the note's frequency) that fade at their own rates, with gliding pitch, vibrato and a
// smooth attack and release, mixed into a mono track.
#include <cstdint>
#include <vector>

namespace art {

struct Partial {
    float ratio = 1;      // frequency as a multiple of the note's
    float amplitude = 1;  // relative to the note's gain
    float decay = 0;      // exponential fade per second (0 holds)
};

struct Note {
    float start = 0;   // seconds
    float length = 0;  // seconds, release included
    float frequency = 440;
    float endFrequency = 0;  // glides exponentially to this; 0 keeps the pitch
    float gain = 1;
    float attack = 0.005f;   // seconds
    float release = 0.03f;   // seconds
    float vibratoRate = 0;   // Hz
    float vibratoDepth = 0;  // share of the frequency
    std::vector<Partial> partials{{1, 1, 0}};
};

class Track {
public:
    Track(int sampleRate, float seconds);

    int sampleRate() const { return rate; }
    void addNote(const Note& note);
    // A burst of seeded noise, smoothed by a one-pole low-pass filter (cutoff in Hz).
    void addNoise(float start, float length, float gain, float cutoff, float decay, uint32_t seed);
    // Scales so the loudest sample reaches peak, shapes smooth fades at both ends (which makes the
    // first and last samples exactly zero) and converts to 16-bit samples.
    std::vector<int16_t> finish(float peak, float fadeIn, float fadeOut) const;

private:
    int rate;
    std::vector<float> mix;
};

}  // namespace art
