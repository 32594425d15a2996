// Layout records made from catalogue rows: the class, name, place, size,
// visibility, caption, hint, colours and font a row gives. Pictures and
// handler bindings are the caller's to add, since they depend on what the
// component is for.
#pragma once

#include <string_view>
#include <vector>

#include "layout/record_builder.h"
#include "standin/scene_catalogue.h"

namespace kvarnel::standin {

// The row of the component `name`; std::invalid_argument when there is none.
const ComponentSpec& catalogueRow(std::string_view name);
// The rows whose parent is `parent`, in catalogue order.
std::vector<const ComponentSpec*> catalogueChildren(std::string_view parent);
// The panel row of `name`; std::invalid_argument when there is none.
const PanelSpec& panelRow(std::string_view name);

// The stream class of a row: "TLabel", "TImage", "TRxGIFAnimator",
// "TShockwaveFlash" or "TDXDraw".
std::string_view streamClassOf(const ComponentSpec& row);

// A record of the row's class with everything the row fixes. Labels whose
// width the row leaves open size themselves to their caption.
layout::Obj objectFor(const ComponentSpec& row);
// A plain black panel of the row's bounds and visibility.
layout::Obj panelFor(const PanelSpec& row);

// Sets the font properties of `o` from the row (nothing when the row gives
// no font, so the control keeps its parent's).
layout::Obj& applyFont(layout::Obj& o, const ComponentSpec& row);

}  // namespace kvarnel::standin
