#include "editors/ActiveDraft.h"

#include "editors/FrameStrip.h"
#include "editors/ObjectLook.h"

namespace avizad {

void ActiveDraft::startNew(std::string newName) {
    *this = ActiveDraft{};
    name = std::move(newName);
}

void ActiveDraft::open(const ActiveObject& object, int levelControlType) {
    controlType = levelControlType;
    moveSpeed = object.moveSpeed;
    acceleration = object.acceleration;
    braking = object.braking;
    strip = object.strip;
    frameCount = object.frameCount;
    name = object.name;
    transparentBackground = object.transparentBackground == 1;
    animation = object.animation;
    propertyNames = object.propertyNames;
    propertyValues = object.propertyValues;
}

int controlTypeLevel(const Project& project) {
    const int level = project.currentLevel;
    return level >= 1 && level <= project.levelCount ? level : 1;
}

Image ActiveDraft::shownStrip() const {
    std::optional<Color> backdrop;
    if (transparentBackground && strip.contains(1, 1)) {
        backdrop = strip.pixel(1, 1);
    }
    return withTransparentBackdrop(strip, backdrop);
}

void ActiveDraft::assign(int position) {
    if (!hasImage() || position < 1 || position > kAnimationSteps) {
        return;
    }
    animation[position][static_cast<int>(direction)][static_cast<int>(state)] = pickedFrame;
}

int ActiveDraft::frameAt(int position) const {
    return animation[position][static_cast<int>(direction)][static_cast<int>(state)];
}

void ActiveDraft::storeInto(ActiveObject& object) const {
    object.strip = strip;
    object.stripWidth = strip.width();
    object.stripHeight = strip.height();
    object.frameWidth = frameWidth(strip.width(), frameCount);
    object.frameHeight = strip.height();
    object.icon = frameImage(strip, frameCount, 1);
    object.iconWidth = object.icon.width();
    object.iconHeight = object.icon.height();
    object.name = name;
    object.frameCount = frameCount;
    object.animation = animation;
    object.moveSpeed = moveSpeed;
    object.acceleration = acceleration;
    object.braking = braking;
    object.transparentBackground = transparentBackground ? 1 : 0;
    object.propertyNames = propertyNames;
    object.propertyValues = propertyValues;
}

}  // namespace avizad
