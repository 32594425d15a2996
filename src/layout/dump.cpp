// Text dump of a layout: what `kvarnel --dump-layout` prints.
#include <ostream>

#include "layout/layout.h"

namespace kvarnel::layout {
namespace {

void writeQuoted(std::ostream& out, std::string_view text) {
    out << '"';
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (b < 0x20) {
            static const char* hex = "0123456789abcdef";
            out << "\\x" << hex[b >> 4] << hex[b & 15];
        } else {
            out << c;
        }
    }
    out << '"';
}

void writeValue(std::ostream& out, const Value& v, const Layout& layout) {
    switch (v.tag) {
        case ValueTag::Int8:
        case ValueTag::Int16:
        case ValueTag::Int32: out << v.integer; break;
        case ValueTag::String:
        case ValueTag::Utf8String: writeQuoted(out, v.text); break;
        case ValueTag::Ident: out << v.text; break;
        case ValueTag::False: out << "False"; break;
        case ValueTag::True: out << "True"; break;
        case ValueTag::Set: {
            out << '[';
            for (size_t i = 0; i < v.names.size(); ++i) out << (i ? ", " : "") << v.names[i];
            out << ']';
            break;
        }
        case ValueTag::Binary:
        case ValueTag::Collection: {
            const auto it = layout.payloadSummaries().find(v.offset);
            if (it != layout.payloadSummaries().end()) {
                out << '<' << it->second << '>';
            } else if (v.tag == ValueTag::Binary) {
                out << '<' << v.bytes.size() << " bytes>";
            } else {
                out << '<' << v.items.size() << " items>";
            }
            break;
        }
    }
}

void writeProperties(std::ostream& out, const std::vector<Property>& props, const Layout& layout) {
    for (const auto& p : props) {
        out << ' ' << p.name << '=';
        writeValue(out, p.value, layout);
    }
}

void writeRecord(std::ostream& out, const ObjectRecord& rec, const Layout& layout, int depth) {
    const std::string indent(static_cast<size_t>(depth) * 2, ' ');
    out << indent << rec.className << ' ' << rec.name << ':';
    writeProperties(out, rec.properties, layout);
    out << '\n';
    // Collection items follow their component, one a line.
    for (const auto& p : rec.properties) {
        if (p.value.tag != ValueTag::Collection) continue;
        for (size_t i = 0; i < p.value.items.size(); ++i) {
            out << indent << "  - " << p.name << '[' << i << "]:";
            writeProperties(out, p.value.items[i].properties, layout);
            out << '\n';
        }
    }
    for (const auto& child : rec.children) writeRecord(out, child, layout, depth + 1);
}

}  // namespace

void dumpLayout(const ObjectRecord& root, const Layout& layout, std::ostream& out) {
    writeRecord(out, root, layout, 0);
}

}  // namespace kvarnel::layout
