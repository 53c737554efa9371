#pragma once
// The object catalogue's operations on the object types of one kind: the primitives
// copyObjectType and clearObjectType, and moving a type up or down and deleting it.
// References follow the types on every level: placements, the per-type action lists of every
// event and, for active types, every level's control type entries.

#include "model/Project.h"

namespace avizad {

// Copies type `from` onto slot `to`, the action lists of `from` onto those of `to` in
// every event, and points every placement of `from` (every level) at `to`. The record is
// copied whole except what stays in the slot: its pictures, its properties and the values
// no editor sets (reservedInt of a background type, reservedInt2 and transparentBackground
// of an active type).
void copyObjectType(Project& project, ObjectKind kind, int from, int to);
// Removes every placement of type `index` (every level, last first), empties the record
// (an active type keeps one frame) except what a copy leaves in the slot, and empties its
// action lists.
void clearObjectType(Project& project, ObjectKind kind, int index);

// Exchanges type `index` with the one above (below): the whole records, their action
// lists, their placements on every level and their control types. Nothing happens for
// the first type up, the last type down or an index outside 1..count; returns whether
// the types moved. A full table moves as well (the exchange needs no spare slot).
bool moveObjectTypeUp(Project& project, ObjectKind kind, int index);
bool moveObjectTypeDown(Project& project, ObjectKind kind, int index);
// Deletes type `index`: its placements (every level) and action lists go, the following
// types move one place down with everything that refers to them, the count drops.
bool deleteObjectType(Project& project, ObjectKind kind, int index);

// What refers to an object type: its placements on all levels and the events that hold
// actions for it.
struct ObjectTypeUses {
    int placements = 0;
    int events = 0;
};
ObjectTypeUses objectTypeUses(const Project& project, ObjectKind kind, int index);

}  // namespace avizad
