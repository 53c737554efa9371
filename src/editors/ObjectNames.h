#pragma once
// The names of object types: the name a kind's type shows (a text type's file name
// without ".png"), the first free name for a new type ("active1", "active2", ...), and a
// copy of a type under a new name ("Дублировать" of the catalogue).

#include <string>
#include <string_view>

#include "model/Project.h"

namespace avizad {

// The name object type `index` of `kind` shows.
std::string objectTypeName(const Project& project, ObjectKind kind, int index);
// `stem` followed by the smallest number from `first` on that no type of the kind bears.
std::string freeObjectName(const Project& project, ObjectKind kind, std::string_view stem,
                           int first = 1);
// The name a new type of a kind gets: "fon1", "active1", "line1", "text1", or the next
// free number.
std::string newObjectName(const Project& project, ObjectKind kind);

// Appends a copy of type `index` of `kind`, named after it with the next free number
// ("hero" -> "hero2", "enemy2" -> "enemy3"); an active type's copy gets the control type
// of the original on every level. Returns the copy's index; 0 (nothing changes) when the
// type does not exist or the kind's table is full.
int duplicateObjectType(Project& project, ObjectKind kind, int index);

}  // namespace avizad
