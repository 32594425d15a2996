// Building record trees in code, for the content builder and for tests:
//
//   Obj("TLabel", "Popis").bounds(24, 628, 4, 20).boolean("Visible", false)
//       .ident("OnClick", "PopisClick")
//
// Properties are kept in the order they are added, as the stream keeps them.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "layout/stream.h"

namespace kvarnel::layout {

class Obj {
public:
    Obj(std::string className, std::string name) {
        rec_.className = std::move(className);
        rec_.name = std::move(name);
    }

    Obj& integer(std::string prop, int32_t v) { return add(std::move(prop), Value::integerValue(v)); }
    Obj& boolean(std::string prop, bool v) { return add(std::move(prop), Value::boolean(v)); }
    Obj& text(std::string prop, std::string utf8) { return add(std::move(prop), Value::textValue(std::move(utf8))); }
    Obj& ident(std::string prop, std::string name) { return add(std::move(prop), Value::ident(std::move(name))); }
    Obj& binary(std::string prop, std::vector<uint8_t> data) {
        return add(std::move(prop), Value::binary(std::move(data)));
    }
    Obj& members(std::string prop, std::vector<std::string> names) {
        return add(std::move(prop), Value::set(std::move(names)));
    }
    Obj& collection(std::string prop, std::vector<CollectionItem> items) {
        return add(std::move(prop), Value::collection(std::move(items)));
    }
    Obj& value(std::string prop, Value v) { return add(std::move(prop), std::move(v)); }
    Obj& bounds(int32_t left, int32_t top, int32_t width, int32_t height) {
        return integer("Left", left).integer("Top", top).integer("Width", width).integer("Height", height);
    }
    Obj& child(Obj c) {
        rec_.children.push_back(std::move(c.rec_));
        return *this;
    }

    const ObjectRecord& record() const& { return rec_; }
    ObjectRecord record() && { return std::move(rec_); }
    operator ObjectRecord() && { return std::move(rec_); }

private:
    Obj& add(std::string prop, Value v) {
        rec_.properties.push_back(Property{std::move(prop), std::move(v), 0});
        return *this;
    }
    ObjectRecord rec_;
};

// One collection item from name/value pairs.
inline CollectionItem item(std::vector<std::pair<std::string, Value>> props) {
    CollectionItem out;
    for (auto& [name, v] : props) out.properties.push_back(Property{std::move(name), std::move(v), 0});
    return out;
}

}  // namespace kvarnel::layout
