#include "standin/catalogue_objects.h"

#include <stdexcept>
#include <string>

namespace kvarnel::standin {

using layout::Obj;

const ComponentSpec& catalogueRow(std::string_view name) {
    for (const ComponentSpec& c : componentCatalogue()) {
        if (c.name == name) return c;
    }
    throw std::invalid_argument("the catalogue has no component " + std::string(name));
}

std::vector<const ComponentSpec*> catalogueChildren(std::string_view parent) {
    std::vector<const ComponentSpec*> out;
    for (const ComponentSpec& c : componentCatalogue()) {
        if (c.parent == parent) out.push_back(&c);
    }
    return out;
}

const PanelSpec& panelRow(std::string_view name) {
    for (const PanelSpec& p : panelCatalogue()) {
        if (p.name == name) return p;
    }
    throw std::invalid_argument("the catalogue has no panel " + std::string(name));
}

std::string_view streamClassOf(const ComponentSpec& row) {
    if (row.kind == "label") return "TLabel";
    if (row.kind == "picture") return "TImage";
    if (row.kind == "GIF") return "TRxGIFAnimator";
    if (row.kind == "movie") return "TShockwaveFlash";
    if (row.kind == "drawing surface") return "TDXDraw";
    throw std::invalid_argument("catalogue component " + std::string(row.name) + " has the unknown kind " +
                                std::string(row.kind));
}

Obj& applyFont(Obj& o, const ComponentSpec& row) {
    if (row.fontName.empty()) return o;
    std::vector<std::string> style;
    if (row.bold) style.emplace_back("fsBold");
    if (row.italic) style.emplace_back("fsItalic");
    o.ident("Font.Charset", row.ansiCharset ? "ANSI_CHARSET" : "EASTEUROPE_CHARSET")
        .ident("Font.Color", row.fontColour.empty() ? "clWindowText" : std::string(row.fontColour))
        .integer("Font.Height", -std::max(1, row.fontPixels))
        .text("Font.Name", std::string(row.fontName))
        .members("Font.Style", std::move(style))
        .boolean("ParentFont", false);
    return o;
}

Obj objectFor(const ComponentSpec& row) {
    const std::string_view cls = streamClassOf(row);
    Obj o{std::string(cls), std::string(row.name)};
    o.bounds(row.left, row.top, row.width, row.height);
    if (cls == "TLabel") {
        if (!row.captionCz.empty()) o.text("Caption", std::string(row.captionCz));
        if (!row.backColour.empty()) o.ident("Color", std::string(row.backColour)).boolean("ParentColor", false);
        applyFont(o, row);
        if (row.transparent) o.boolean("Transparent", true);
    } else if (cls == "TImage") {
        if (row.transparent) o.boolean("Transparent", true);
    } else if (cls == "TShockwaveFlash") {
        o.integer("TabOrder", 0);
        // A movie without a size of its own fills its panel.
        if (row.width == 0 && row.height == 0) o.ident("Align", "alClient");
    } else if (cls == "TDXDraw") {
        o.boolean("AutoInitialize", true)
            .boolean("AutoSize", true)
            .ident("Color", "clBlack")
            .boolean("Display.FixedBitCount", true)
            .boolean("Display.FixedRatio", true)
            .boolean("Display.FixedSize", false)
            .members("Options",
                     {"doAllowReboot", "doWaitVBlank", "doCenter", "doDirectX7Mode", "doHardware", "doSelectDriver"})
            .integer("SurfaceHeight", row.height)
            .integer("SurfaceWidth", row.width)
            .integer("TabOrder", 0);
    }
    if (!row.hintCz.empty()) o.text("Hint", std::string(row.hintCz));
    if (!row.visibleAtStart) o.boolean("Visible", false);
    return o;
}

Obj panelFor(const PanelSpec& row) {
    Obj o("TPanel", std::string(row.name));
    o.bounds(row.left, row.top, row.width, row.height)
        .ident("BevelOuter", "bvNone")
        .ident("Color", "clBlack")
        .integer("TabOrder", 0);
    if (!row.visibleAtStart) o.boolean("Visible", false);
    return o;
}

}  // namespace kvarnel::standin
