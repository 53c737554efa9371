// avizad-samples [IMAGES [FOLDER]]: builds the sample games from the starter pictures of
// IMAGES (default images/) and writes them into FOLDER (default samples/), each as
// NAME.yrk, the sounds they play in FOLDER/res. A test checks that the committed samples
// are what this program makes.

#include <cstdio>
#include <exception>
#include <filesystem>

#include "SampleGames.h"

int main(int argc, char** argv) {
    const std::filesystem::path images = argc > 1 ? argv[1] : "images";
    const std::filesystem::path folder = argc > 2 ? argv[2] : "samples";
    try {
        avizad::samples::writeSamples(images, folder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "avizad-samples: %s\n", error.what());
        return 1;
    }
    return 0;
}
