#pragma once
// The outcome of an event table operation: done, or refused with the reason the
// user reads (UTF-8; empty when there is nothing to tell, e.g. no cell chosen).

#include <string>
#include <utility>

namespace avizad {

class EditResult {
public:
    static EditResult ok() { return EditResult(true, {}); }
    static EditResult refused(std::string message) { return EditResult(false, std::move(message)); }

    bool done() const { return done_; }
    explicit operator bool() const { return done_; }
    // UTF-8 text for a message box; empty for a silent refusal.
    const std::string& message() const { return message_; }

private:
    EditResult(bool done, std::string message) : done_(done), message_(std::move(message)) {}
    bool done_;
    std::string message_;
};

}  // namespace avizad
