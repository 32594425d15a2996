// Errors raised while reading layout data.
//
// Data that cannot be used is reported with where it went wrong: a decoder
// throws DecodeError with an offset relative to the start of the payload it
// was given; the stream reader catches it and rethrows a LayoutError that
// names the component, the property and the absolute byte offset in the
// stream. Nothing above the reader sees a DecodeError.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace kvarnel::layout {

class DecodeError : public std::runtime_error {
public:
    DecodeError(const std::string& what, size_t offset)
        : std::runtime_error(what), offset_(offset) {}
    size_t offset() const { return offset_; }

private:
    size_t offset_;
};

class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kvarnel::layout
