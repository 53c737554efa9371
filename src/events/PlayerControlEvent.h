#pragma once
// The event that puts an active object under the player's keys: "Начало уровня" with the
// action "режим: управление игроком" in the object's column, built from the condition and
// action catalogues. A control type alone does not make an object obey the keys; the
// game needs this mode.

#include "model/Project.h"

namespace avizad {

// Whether an event with the condition "Начало уровня" alone puts active type
// `activeType` into player control.
bool hasPlayerControlEvent(const Project& project, int activeType);
// Appends that event; false (and nothing changes) when it exists already, the type does
// not exist or the event table is full.
bool addPlayerControlEvent(Project& project, int activeType);

}  // namespace avizad
