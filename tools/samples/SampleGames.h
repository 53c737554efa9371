#pragma once
// The sample games of samples/, each made by SampleAuthor as an author makes it in the
// editor from the starter pictures of images/:
//
//   Платформер  a side-view person on two levels (ground, platforms, a ladder, spikes),
//               a beetle and a bat on trajectories, coins counted on a text, three lives
//               on an indicator, a door to the next level and a win screen;
//   Погоня      a car on a desert larger than the screen, bats in pursuit, five keys to
//               collect, a countdown on a text;
//   Пещера      a hunter who shoots bats with sounds; bats that detect him attack him,
//               an explosion where a bat is hit, a hint of several rows that a timer
//               hides, a win and a lose screen.
//
// writeSamples makes the sounds the games play, builds every sample and saves it into a
// folder as NAME.yrk, its sounds in the folder's res/ (where the sound action puts them).

#include <filesystem>
#include <string>
#include <vector>

#include "SampleAuthor.h"

namespace avizad::samples {

struct SampleGame {
    std::string file;      // "Платформер.yrk" (UTF-8)
    std::string helpPage;  // its page of the editor's help, "sample-platformer.html"
    void (*make)(SampleAuthor& author);
};

void makePlatformer(SampleAuthor& author);
void makeChase(SampleAuthor& author);
void makeCave(SampleAuthor& author);

const std::vector<SampleGame>& sampleGames();

// The sound files the samples play (name, bytes): short 8 kHz wav files.
std::vector<std::pair<std::string, std::string>> sampleSounds();

// Builds every sample from the pictures of `images` and writes it into `folder`.
void writeSamples(const std::filesystem::path& images, const std::filesystem::path& folder);

}  // namespace avizad::samples
