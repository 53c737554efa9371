#pragma once
// The working state of the active object editor and how it becomes a stored
// ActiveObject: the strip, the frame count, the animation table being filled, the
// frame last picked, the direction and state being edited, the speeds, the control
// type for the current level, the name and the properties.

#include <string>

#include "model/Color.h"
#include "model/Image.h"
#include "model/Project.h"

namespace avizad {

// The level whose control types the active object editor reads and writes: the level the
// canvas shows, or level 1 (the level the game starts on) while none is shown.
int controlTypeLevel(const Project& project);

struct ActiveDraft {
    std::string name = "active1";
    Image strip;  // empty until the first image is loaded
    int frameCount = 2;
    int moveSpeed = 1;
    int acceleration = 1;
    int braking = 1;
    bool transparentBackground = false;
    int controlType = 0;  // 0: no control type chosen
    AnimationTable animation{};
    int pickedFrame = 0;  // 0 until a frame is picked; kept from one opening to the next
    Direction direction = Direction::Right;
    AnimationState state = AnimationState::Idle;
    PropertyTexts propertyNames;
    PropertyTexts propertyValues;

    bool hasImage() const { return !strip.isNull(); }
    // The strip as the game shows it: its backdrop (the pixel at 1, 1) transparent when
    // transparentBackground is set.
    Image shownStrip() const;
    // A new object: every value back to its default (no strip, 2 frames, speeds 1, no
    // control type, opaque, nothing picked), named `newName`.
    void startNew(std::string newName);
    // The object's values and the control type it has on the control type's level.
    void open(const ActiveObject& object, int levelControlType);
    // Puts the picked frame into position p (1..6) of the edited state and direction.
    void assign(int position);
    // The frame number at position p of the edited state and direction.
    int frameAt(int position) const;
    // Writes strip, frame geometry, icon, name, frame count, animation, speeds,
    // transparency and properties into `object`; the other fields stay.
    void storeInto(ActiveObject& object) const;
};

}  // namespace avizad
