// Draws Dorvanix's artwork and writes it into the folder given as the only argument (default: assets).
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "encode.h"
#include "faces.h"
#include "icons.h"

namespace {

void Save(const std::filesystem::path& dir, const std::string& name, const artgen::Bytes& bytes) {
    artgen::WriteFile(dir / name, bytes);
    std::printf("%s (%zu bytes)\n", (dir / name).string().c_str(), bytes.size());
}

// Scale 1 keeps the names the faces always had; face_meter_150.bmp is the face for 150 %.
std::string FaceName(const char* face, double scale) {
    if (scale == 1.0)
        return std::string(face) + ".bmp";
    return std::string(face) + "_" + std::to_string(std::lround(scale * 100)) + ".bmp";
}

std::string TrayName(const char* set, int band) {
    char name[32];
    std::snprintf(name, sizeof name, "tray_%s_%02d.ico", set, band);
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace artgen;
    try {
        const std::filesystem::path dir = argc > 1 ? argv[1] : "assets";
        std::filesystem::create_directories(dir);
        const Rgb8 black{0, 0, 0};
        for (double scale : kFaceScales) {
            Save(dir, FaceName("face_meter", scale), EncodeBmp(Flatten(MeterFace(false, scale), black)));
            Save(dir, FaceName("face_meter_lit", scale), EncodeBmp(Flatten(MeterFace(true, scale), black)));
            Save(dir, FaceName("face_clock", scale), EncodeBmp(Flatten(ClockFace(false, scale), black)));
            Save(dir, FaceName("face_clock_lit", scale), EncodeBmp(Flatten(ClockFace(true, scale), black)));
        }
        Save(dir, "warning_lamp.ico", EncodeIco(WarningLamp()));
        for (int band = 0; band < kTrayBands; ++band) {
            Save(dir, TrayName("normal", band), EncodeIco(TrayIcon(band, false)));
            Save(dir, TrayName("lit", band), EncodeIco(TrayIcon(band, true)));
        }
        Save(dir, "dorvanix.ico", EncodeIco(ProgramIcon()));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "artgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
