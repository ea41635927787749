#include "Sounds.h"

#include "Synth.h"

namespace art {

namespace {

// Note frequencies (equal temperament, A4 = 440 Hz).
constexpr float G3 = 196.00f, C4 = 261.63f, E4 = 329.63f, G4 = 392.00f, A4 = 440.00f, C5 = 523.25f, E5 = 659.26f,
                G5 = 783.99f, C6 = 1046.50f, E6 = 1318.51f, B6 = 1975.53f;

// A glockenspiel-like bar: a strong fundamental and bright, quickly fading overtones.
std::vector<Partial> bell(float decay) {
    return {{1, 1, decay}, {2, 0.3f, decay * 1.6f}, {3, 0.12f, decay * 2.4f}, {4.16f, 0.18f, decay * 3}};
}
// Plucked: harmonics falling away faster the higher they are.
std::vector<Partial> pluck(float decay) {
    return {{1, 1, decay}, {2, 0.45f, decay * 1.5f}, {3, 0.25f, decay * 2}, {4, 0.12f, decay * 2.6f}};
}
// A mellow, hollow tone: odd harmonics only, gently rolled off.
std::vector<Partial> hollow(float decay) {
    return {{1, 1, decay}, {3, 0.2f, decay}, {5, 0.06f, decay}, {7, 0.02f, decay}};
}
// Brassy: many harmonics at falling strength.
std::vector<Partial> brass() {
    std::vector<Partial> partials;
    for (int n = 1; n <= 9; ++n) partials.push_back({static_cast<float>(n), 1.0f / (n * 0.9f + 0.1f), 0.4f});
    return partials;
}

// Two bright bell strokes a fifth apart: the classic "ding-ding" of a right answer.
std::vector<int16_t> rightChime(int rate) {
    Track track(rate, 0.55f);
    track.addNote({.start = 0, .length = 0.5f, .frequency = E6, .gain = 0.8f, .partials = bell(7)});
    track.addNote({.start = 0.075f, .length = 0.47f, .frequency = B6, .gain = 0.7f, .partials = bell(7)});
    return track.finish(0.5f, 0.002f, 0.02f);
}

// A soft, low buzz that sags in pitch: clearly "no", but not harsh.
std::vector<int16_t> wrongBuzz(int rate) {
    Track track(rate, 0.42f);
    track.addNote({.start = 0,
                   .length = 0.42f,
                   .frequency = 155,
                   .endFrequency = 118,
                   .gain = 1,
                   .attack = 0.015f,
                   .release = 0.12f,
                   .vibratoRate = 11,
                   .vibratoDepth = 0.02f,
                   .partials = {{1, 1, 1}, {2, 0.35f, 2}, {3, 0.3f, 3}, {4, 0.12f, 4}, {5, 0.1f, 5}}});
    return track.finish(0.34f, 0.004f, 0.03f);
}

// A quick upward blip.
std::vector<int16_t> menuBlip(int rate) {
    Track track(rate, 0.085f);
    track.addNote({.start = 0,
                   .length = 0.085f,
                   .frequency = 880,
                   .endFrequency = 1320,
                   .attack = 0.004f,
                   .release = 0.04f,
                   .partials = {{1, 1, 20}, {2, 0.2f, 30}}});
    return track.finish(0.4f, 0.002f, 0.01f);
}

// C E G C rising, each note ringing into the next.
std::vector<int16_t> startArpeggio(int rate) {
    Track track(rate, 0.78f);
    const float notes[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i) {
        const float start = 0.085f * i;
        track.addNote({.start = start,
                       .length = i == 3 ? 0.5f : 0.32f,
                       .frequency = notes[i],
                       .gain = 0.6f + 0.1f * i,
                       .partials = pluck(i == 3 ? 5 : 8)});
    }
    track.addNote({.start = 0.255f, .length = 0.5f, .frequency = C6 * 2, .gain = 0.15f, .partials = bell(8)});
    return track.finish(0.48f, 0.002f, 0.04f);
}

// G E C, then a long low G that wobbles down: the game is over.
std::vector<int16_t> gameOverPhrase(int rate) {
    Track track(rate, 1.35f);
    const float notes[] = {G4, E4, C4};
    for (int i = 0; i < 3; ++i)
        track.addNote({.start = 0.2f * i,
                       .length = 0.26f,
                       .frequency = notes[i],
                       .gain = 0.8f,
                       .attack = 0.01f,
                       .release = 0.08f,
                       .partials = hollow(2)});
    track.addNote({.start = 0.6f,
                   .length = 0.75f,
                   .frequency = G3,
                   .endFrequency = G3 * 0.94f,
                   .gain = 0.9f,
                   .attack = 0.015f,
                   .release = 0.35f,
                   .vibratoRate = 5.5f,
                   .vibratoDepth = 0.012f,
                   .partials = hollow(1.2f)});
    return track.finish(0.4f, 0.003f, 0.05f);
}

// A dry wooden tick, a few hundredths of a second long.
std::vector<int16_t> clockTick(int rate) {
    Track track(rate, 0.045f);
    track.addNote({.start = 0,
                   .length = 0.045f,
                   .frequency = 1850,
                   .attack = 0.0015f,
                   .release = 0.02f,
                   .partials = {{1, 1, 110}, {2.76f, 0.45f, 160}}});
    track.addNoise(0, 0.012f, 0.5f, 3500, 300, 0x7105u);
    return track.finish(0.3f, 0.0015f, 0.008f);
}

// Ta-ta-ta-taaa: three quick calls and a held major chord for the challenge problem.
std::vector<int16_t> challengeFanfare(int rate) {
    Track track(rate, 1.2f);
    for (int i = 0; i < 3; ++i)
        track.addNote({.start = 0.13f * i,
                       .length = 0.11f,
                       .frequency = G4,
                       .gain = 0.7f,
                       .attack = 0.012f,
                       .release = 0.03f,
                       .partials = brass()});
    for (float pitch : {C5, E5, G5, C4})
        track.addNote({.start = 0.39f,
                       .length = 0.8f,
                       .frequency = pitch,
                       .gain = pitch == C4 ? 0.4f : 0.5f,
                       .attack = 0.02f,
                       .release = 0.3f,
                       .vibratoRate = 5.5f,
                       .vibratoDepth = 0.006f,
                       .partials = brass()});
    track.addNote({.start = 0.39f, .length = 0.6f, .frequency = A4 * 4, .gain = 0.05f, .partials = bell(6)});
    return track.finish(0.48f, 0.003f, 0.06f);
}

}  // namespace

std::vector<int16_t> makeSound(const SoundFormat& format) {
    switch (format.id) {
        case rightAnswerSoundId:
            return rightChime(format.sampleRate);
        case wrongAnswerSoundId:
            return wrongBuzz(format.sampleRate);
        case menuSoundId:
            return menuBlip(format.sampleRate);
        case startSoundId:
            return startArpeggio(format.sampleRate);
        case gameOverSoundId:
            return gameOverPhrase(format.sampleRate);
        case tickSoundId:
            return clockTick(format.sampleRate);
        case challengeSoundId:
            return challengeFanfare(format.sampleRate);
        default:
            return {};
    }
}

}  // namespace art
