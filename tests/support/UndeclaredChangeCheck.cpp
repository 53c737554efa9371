// In every test that drives the editor, an edit that changes a part of the project it
// did not name fails the test: undo would restore such a part wrongly.

#include <gtest/gtest.h>

#include "document/ProjectDocument.h"

namespace {

const bool kInstalled = [] {
    avizad::ProjectDocument::checkUndeclaredChanges(
        [](const QString& problem) { ADD_FAILURE() << problem.toStdString(); });
    return true;
}();

}  // namespace
