// The stand-in location panels: one panel record per location, with a drawn
// background, a click rectangle for every name of the scene's description
// table, and the catalogue's exits, talk hotspots, faces and pictures.
//
// Placement contract:
//   - Rectangles of a character's rows lie on one figure drawn into the
//     background, on the body part the row's name speaks of (head, eyes,
//     nose, mouth, ears, hands, body, groin, legs, shoes); the figure stands
//     under the character's face animations where the catalogue has them.
//   - The detective's rectangles lie on his head picture (face parts) and on
//     a figure drawn under it (the rest).
//   - Every other row gets a free cell of a grid over the picture (not under
//     an exit, a face or a figure), with a matching thing painted there.
//   - A row's region is split into as many rectangles as the row has names.
//   - A name that is a catalogue component of the panel (the background, an
//     exit label, a sign, the rope) is that component, made once, and gets
//     OnClick "<Name>Click".
//   - Stacking, bottom to top: background, faces and pictures, rectangles
//     (larger regions first, so eyes lie above the head), talk hotspots and
//     other labels, exits.
#pragma once

#include "layout/record_builder.h"
#include "scenes/description_table.h"

namespace kvarnel::standin {

// The whole location panel of `scene` (Scene::Count throws
// std::invalid_argument). Deterministic: the same scene gives the same record.
layout::Obj buildLocationPanel(scenes::Scene scene);

}  // namespace kvarnel::standin
