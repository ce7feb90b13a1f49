// Writes the program's sounds as short synthesized WAV files (22050 Hz, 16-bit mono):
// open1.wav, open2.wav, open3.wav (start-up chimes) and kantei.wav (the appraisal chime).
// Usage: sound_generator OUTPUT_FOLDER

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

struct Strike {
    double at;    // seconds from the start
    double freq;  // Hz
    double gain;  // 0..1
    double ring;  // decay time constant, seconds
};

// A soft bell: a few inharmonic partials with their own decay, and a 6 ms attack.
std::vector<double> render(const std::vector<Strike>& strikes, double length) {
    std::vector<double> out(static_cast<std::size_t>(length * kRate), 0.0);
    struct Partial {
        double ratio, gain, decay;
    };
    const Partial partials[] = {
        {1.0, 1.0, 1.0}, {2.0, 0.35, 0.6}, {2.76, 0.18, 0.4}, {5.4, 0.06, 0.2}};
    for (const Strike& s : strikes) {
        const std::size_t start = static_cast<std::size_t>(s.at * kRate);
        for (std::size_t i = start; i < out.size(); ++i) {
            const double t = static_cast<double>(i - start) / kRate;
            const double attack = std::min(1.0, t / 0.006);
            double v = 0.0;
            for (const Partial& p : partials) {
                v += p.gain * std::exp(-t / (s.ring * p.decay)) *
                     std::sin(2.0 * kPi * s.freq * p.ratio * t);
            }
            out[i] += s.gain * attack * v;
        }
    }
    // Normalise to a comfortable level and fade out the last 50 ms.
    double peak = 0.0;
    for (double v : out) peak = std::max(peak, std::fabs(v));
    const double scale = peak > 0.0 ? 0.6 / peak : 0.0;
    const std::size_t fade = static_cast<std::size_t>(0.05 * kRate);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] *= scale;
        const std::size_t left = out.size() - i;
        if (left < fade) out[i] *= static_cast<double>(left) / static_cast<double>(fade);
    }
    return out;
}

void put16(std::ofstream& f, std::uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    f.write(b, 2);
}
void put32(std::ofstream& f, std::uint32_t v) {
    const char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
    f.write(b, 4);
}

bool writeWav(const std::filesystem::path& path, const std::vector<double>& samples) {
    const std::filesystem::path temp = path.string() + ".tmp";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
        f.write("RIFF", 4);
        put32(f, 36 + dataBytes);
        f.write("WAVEfmt ", 8);
        put32(f, 16);
        put16(f, 1);  // PCM
        put16(f, 1);  // mono
        put32(f, kRate);
        put32(f, kRate * 2);
        put16(f, 2);
        put16(f, 16);
        f.write("data", 4);
        put32(f, dataBytes);
        for (double v : samples) {
            const double clamped = std::max(-1.0, std::min(1.0, v));
            put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(clamped * 32767.0)));
        }
        if (!f) return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    return !ec;
}

double note(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sound_generator OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    // C5 E5 G5 C6, rising.
    const std::vector<Strike> open1 = {{0.00, note(3), 0.8, 0.9},
                                       {0.16, note(7), 0.7, 0.9},
                                       {0.32, note(10), 0.7, 0.9},
                                       {0.50, note(15), 0.8, 1.2}};
    // G5 D6 B5, a calm three-note figure.
    const std::vector<Strike> open2 = {
        {0.00, note(10), 0.8, 1.0}, {0.22, note(17), 0.6, 1.0}, {0.44, note(14), 0.7, 1.3}};
    // A pentatonic run: D5 E5 G5 A5 D6.
    const std::vector<Strike> open3 = {{0.00, note(5), 0.7, 0.8},
                                       {0.12, note(7), 0.6, 0.8},
                                       {0.24, note(10), 0.6, 0.8},
                                       {0.36, note(12), 0.6, 0.9},
                                       {0.52, note(17), 0.8, 1.2}};
    // Two soft strikes, A5 then E6.
    const std::vector<Strike> kantei = {{0.00, note(12), 0.8, 0.5}, {0.14, note(19), 0.7, 0.6}};

    struct Output {
        const char* name;
        const std::vector<Strike>* strikes;
        double length;
    };
    const Output outputs[] = {{"open1.wav", &open1, 2.2},
                              {"open2.wav", &open2, 2.2},
                              {"open3.wav", &open3, 2.2},
                              {"kantei.wav", &kantei, 1.0}};
    for (const Output& o : outputs) {
        if (!writeWav(dir / o.name, render(*o.strikes, o.length))) {
            std::fprintf(stderr, "sound_generator: cannot write %s\n", (dir / o.name).c_str());
            return 1;
        }
    }
    return 0;
}
